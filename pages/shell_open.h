// Asks the shell to open a file or address with a verb; the other fields of the parameter
// record stay zero. The result is not used: what is opened lies outside this program.
#pragma once

#include "platform/core/shell.h"

void ShellOpen(const char* verb, const char* file, ULONG mask, int show);
