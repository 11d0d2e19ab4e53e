// The script's `sim` command: simulator events a script can cause (docs/scenario.md, "Script
// commands").
#pragma once

#include <string>
#include <vector>

class SimHost;

// Carries out `sim ARGS...` on the simulator; returns an error text, or an empty one.
std::string RunSimCommand(SimHost& sim, const std::vector<std::string>& args);
