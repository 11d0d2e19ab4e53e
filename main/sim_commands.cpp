#include "main/sim_commands.h"

#include "sim/sim_command.h"

std::string RunSimCommand(SimHost& sim, const std::vector<std::string>& args) {
    return SimCommand::Run(sim, args);
}
