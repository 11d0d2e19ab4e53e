// The whole program behind main(): options, registry file, scenario, the simulated driver and
// the utility on top. Tests run it in-process.
#pragma once

#include <iostream>
#include <string>
#include <vector>

// `in` is the script for `--script -`.
int RunProgram(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
// The same with standard input.
int RunProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
