// Caller pointers carried in 32-bit fields.
//
// The request block and the driver's records have a fixed 32-bit layout. On a 64-bit host an
// address does not fit such a field, so a caller registers the memory it hands to a driver and
// puts the 32-bit token in the field; the driver maps the token back, naming how many bytes it
// will touch. A mapping that asks for more than was registered fails, so a driver can never
// reach past the caller's buffer.
#pragma once

#include "platform/core/win_types.h"

// Registers [address, address + size) and returns its token (never 0). A null address gives 0.
DWORD RegisterCallerBuffer(void* address, DWORD size);
// Forgets a token; unknown tokens and 0 are ignored.
void UnregisterCallerBuffer(DWORD token);
// The address behind a token when at least `size` bytes were registered, else null.
void* MapCallerPtr(DWORD token, DWORD size);
// The registered size of a token, 0 when unknown.
DWORD CallerBufferSize(DWORD token);
