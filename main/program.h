// The whole program behind main(): options, registry file, scenario, the simulated driver and
// the utility on top. Tests run it in-process.
#pragma once

#include <functional>
#include <iostream>
#include <string>
#include <vector>

// `in` is the script for `--script -`.
int RunProgram(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
// The same with standard input.
int RunProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// 0 ended, 1 a failed script command or a file that cannot be used, 2 bad options.
constexpr int kExitInternalError = 3;
constexpr int kExitOutOfMemory = 4;

// The last line of defence of main(): an exception that escapes `body` is reported as one line
// on `err` and ends it with kExitInternalError (kExitOutOfMemory when memory ran out), never
// with an abort.
int RunGuarded(const std::function<int()>& body, std::ostream& err);
