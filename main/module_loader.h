// The program's optional parts, built as modules and loaded only when a run needs them: the
// desktop window and the Linux driver. A module takes the platform from the program (which
// exports its symbols), so a module and the program must come from the same build: each module
// carries the build stamp of the headers it was compiled with, and one of another build is refused.
#pragma once

#include <string>

// The address of `symbol` in the module `file`, loading the module the first time it is asked
// for; null, with `error` saying why, when it is not installed or does not load. A module found
// beside the program comes first (the build tree), then the program's library folder. Modules
// stay loaded for the life of the process.
const void* ModuleSymbol(const std::string& file, const char* symbol, std::string& error);
