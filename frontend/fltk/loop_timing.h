// How long the desktop loop may sleep before the model has something due.
#pragma once

#include <optional>

#include "platform/core/win_types.h"

// Milliseconds until `next` (0 when it is due or past, on a wrapping tick count), at most
// `capMs`; `capMs` when nothing is due.
DWORD WaitBeforeNextEvent(std::optional<DWORD> next, DWORD now, DWORD capMs);
