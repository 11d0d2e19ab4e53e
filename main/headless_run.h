// The utility on the virtual clock, driven by a script (--headless).
#pragma once

#include <istream>
#include <ostream>

#include "platform/core/clock.h"

struct Options;
class SimHost;

// Runs the application with the headless host on `clock` (the platform clock). The script
// comes from --script (a file, or `stdinScript` for "-"); without one the script is empty, so
// the application starts and is closed again. Returns the exit status: 0 when the application
// ended, 1 when the script cannot be read or one of its commands failed. Without a simulator
// (null `sim`) the script's `sim` command fails.
int RunHeadless(const Options& options, SimHost* sim, VirtualClock& clock,
                std::istream& stdinScript, std::ostream& out, std::ostream& err);
