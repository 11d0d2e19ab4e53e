// The last line of defence of main(): an exception that escapes the program is reported as one
// line and ends it with kExitInternalError, never with an abort.
#pragma once

#include <functional>
#include <ostream>

// 0 ended, 1 a failed script command or a file that cannot be used, 2 bad options.
constexpr int kExitInternalError = 3;
constexpr int kExitOutOfMemory = 4;

int RunGuarded(const std::function<int()>& body, std::ostream& err);
