// Per-thread last error, as the OS keeps it.
#pragma once

#include "platform/core/win_types.h"

DWORD GetLastError();
void SetLastError(DWORD error);
