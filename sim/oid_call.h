// One OID request as the card sees it, and its outcome.
#pragma once

#include <vector>

#include "platform/core/win_types.h"

struct OidCall {
    DWORD type = 0;  // 0 query, 1 set
    DWORD oid = 0;
    DWORD length = 0;         // information buffer length
    std::vector<BYTE> input;  // the buffer's bytes as received (length bytes)
};

struct OidResult {
    DWORD status = 0;
    std::vector<BYTE> data;  // reply of a query; never longer than the call's length
    DWORD bytesTransferred = 0;
    DWORD bytesNeeded = 0;
};
