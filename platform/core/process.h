// Current process and thread identifiers.
#pragma once

#include "platform/core/win_types.h"

DWORD GetCurrentProcessId();
// Thread ids are small numbers handed out in the order threads first ask for one.
DWORD GetCurrentThreadId();
