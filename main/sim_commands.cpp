#include "main/sim_commands.h"

#include "sim/sim_host.h"

namespace {

constexpr const char* kUsage = "(sim remove-card | sim remove-device NAME)";

}  // namespace

std::string RunSimCommand(SimHost& sim, const std::vector<std::string>& args) {
    (void)sim;
    if (args.empty()) return std::string("missing simulator command ") + kUsage;
    return "unknown sim command '" + args[0] + "' " + kUsage;
}
