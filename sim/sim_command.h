// The script's `sim` commands (docs/scenario.md, "Script commands"): the same events a scenario
// can schedule, caused by a script line. They act on the first wireless adapter.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/scenario.h"

class SimHost;

class SimCommand {
  public:
    // Carries out `sim ARGS...`; returns an error text naming the problem, or an empty one.
    // GUI thread only (a removal is broadcast to the windows).
    static std::string Run(SimHost& host, const std::vector<std::string>& args);

  private:
    // The event a command line means; nothing, with the error in *error, for a bad line.
    static std::optional<SimEvent> Parse(const std::vector<std::string>& args, std::string* error);
    static std::optional<SimEvent> ScanState(const std::vector<std::string>& args,
                                             std::string* error);
    static std::optional<SimEvent> Signal(const std::vector<std::string>& args, std::string* error);
    static std::optional<SimEvent> Link(const std::vector<std::string>& args, std::string* error);
};
