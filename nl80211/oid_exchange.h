// One OID request as the Linux driver receives it, and its answer.
#pragma once

#include <vector>

#include "platform/core/win_types.h"
#include "rad4/oids.h"

struct OidExchange {
    DWORD type = 0;  // 0 query, 1 set
    DWORD oid = 0;
    DWORD length = 0;         // information buffer length
    std::vector<BYTE> input;  // the buffer's bytes (length bytes)
};

struct OidAnswer {
    DWORD status = ndis::kSuccess;
    std::vector<BYTE> data;  // a query's reply
    DWORD bytesNeeded = 0;
};
