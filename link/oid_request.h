// One OID request and the request block that carries it to the protocol driver.
#pragma once

#include <cstddef>

#include "platform/core/win_types.h"

// The request record, read and written by the driver. `buffer` is a caller-pointer token
// (platform/core/caller_pointer.h) for the information buffer.
struct OidRequest {
    DWORD status;       // NDIS status written by the driver
    DWORD requestType;  // 0 query, 1 set
    DWORD oid;
    DWORD bufferLength;
    DWORD buffer;            // caller-pointer token of the information buffer
    DWORD bytesTransferred;  // written by the driver
    DWORD bytesNeeded;       // written by the driver with a length error
};
static_assert(sizeof(OidRequest) == 28);

constexpr DWORD OID_REQUEST_QUERY = 0;
constexpr DWORD OID_REQUEST_SET = 1;

// NDIS status values the utility tells apart.
constexpr DWORD NDIS_STATUS_SUCCESS = 0;
constexpr DWORD NDIS_STATUS_PENDING = 0x00000103;
constexpr DWORD NDIS_STATUS_FAILURE = 0xC0000001;
constexpr DWORD NDIS_STATUS_INVALID_LENGTH = 0xC0010014;
constexpr DWORD NDIS_STATUS_BUFFER_TOO_SHORT = 0xC0010016;
constexpr DWORD NDIS_STATUS_NOT_SUPPORTED = 0xC00000BB;

// The 152-byte block in which every OidRequest lives, with its fixed 32-bit layout.
struct RequestBlock {
    DWORD processId;         // 0
    DWORD threadId;          // 4
    DWORD device;            // 8: "RAD4:" handle of the adapter, all ones until submitted
    char16_t eventName[32];  // 12: "RIZOZID4Evt-%8.8X-%8.8X" (process id, block token)
    DWORD event;             // 76: completion event handle
    DWORD reserved80;        // 80
    DWORD submitStatus;      // 84: preset 0xC0000001, written by the driver
    BYTE reserved88[36];     // 88
    OidRequest request;      // 124
};
static_assert(sizeof(RequestBlock) == 152);
static_assert(offsetof(RequestBlock, processId) == 0);
static_assert(offsetof(RequestBlock, threadId) == 4);
static_assert(offsetof(RequestBlock, device) == 8);
static_assert(offsetof(RequestBlock, eventName) == 12);
static_assert(offsetof(RequestBlock, event) == 76);
static_assert(offsetof(RequestBlock, reserved80) == 80);
static_assert(offsetof(RequestBlock, submitStatus) == 84);
static_assert(offsetof(RequestBlock, reserved88) == 88);
static_assert(offsetof(RequestBlock, request) == 124);

// Bytes of the block declared to the submit call: everything before the request record but
// the last 8 bytes of the reserved area. The driver reaches the record through the block token
// carried in the event name.
constexpr DWORD REQUEST_BLOCK_DECLARED_SIZE = 116;
constexpr DWORD REQUEST_BLOCK_RECORD_OFFSET = 124;
