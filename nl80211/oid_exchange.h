// One OID request as the Linux driver receives it, its answer, and the NDIS status values the
// driver reports.
#pragma once

#include <vector>

#include "platform/core/win_types.h"

namespace ndis_status {
constexpr DWORD kSuccess = 0;
constexpr DWORD kFailure = 0xC0000001;
constexpr DWORD kNotSupported = 0xC00000BB;
constexpr DWORD kInvalidLength = 0xC0010014;
constexpr DWORD kInvalidData = 0xC0010015;
constexpr DWORD kBufferTooShort = 0xC0010016;
constexpr DWORD kAdapterRemoved = 0xC0010018;
}  // namespace ndis_status

struct OidExchange {
    DWORD type = 0;  // 0 query, 1 set
    DWORD oid = 0;
    DWORD length = 0;         // information buffer length
    std::vector<BYTE> input;  // the buffer's bytes (length bytes)
};

struct OidAnswer {
    DWORD status = ndis_status::kSuccess;
    std::vector<BYTE> data;  // a query's reply
    DWORD bytesNeeded = 0;
};
