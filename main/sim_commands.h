// The script's `sim` command: simulator events a script can cause (docs/script.md).
#pragma once

#include <string>
#include <vector>

class SimHost;

// Carries out `sim ARGS...` on the simulator; returns an error text, or an empty one.
std::string RunSimCommand(SimHost& sim, const std::vector<std::string>& args);
