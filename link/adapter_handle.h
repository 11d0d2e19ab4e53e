// The driver library's per-adapter record and the request functions built on it.
#pragma once

#include <cstdint>

#include "link/oid_request.h"
#include "platform/core/win_types.h"

struct AdapterRecord {
    HANDLE device = INVALID_HANDLE_VALUE;  // own "RAD4:" handle, read-write, shared
    WString adapterName;
    BYTE maxTotalSizeKnown = 0;
    DWORD maxTotalSize = 0;
    BYTE currentAddressKnown = 0;
    BYTE currentAddress[8] = {};
    DWORD currentAddressLength = 0;
};

// An adapter handle is the record's address; all ones stands for no adapter.
using AdapterHandle = AdapterRecord*;
inline AdapterHandle const INVALID_ADAPTER_HANDLE =
    reinterpret_cast<AdapterHandle>(~std::uintptr_t{0});

constexpr DWORD OID_GEN_MAXIMUM_TOTAL_SIZE = 0x00010111;
constexpr DWORD OID_802_3_CURRENT_ADDRESS = 0x01010102;
constexpr DWORD OID_802_11_NETWORK_TYPE_IN_USE = 0x0D010204;
constexpr DWORD DEFAULT_MAX_TOTAL_SIZE = 1530;

// Opens the adapter by name on its own "RAD4:" handle; INVALID_ADAPTER_HANDLE on failure with
// the thread's last error set.
AdapterHandle OpenAdapterHandle(const char16_t* adapterName);
// Sends the close code and releases the record. TRUE when the driver accepted the close code;
// FALSE for no adapter (last error ERROR_INVALID_HANDLE) or a refused close.
BOOL CloseAdapterHandle(AdapterHandle adapter);

// A fresh request record inside a zeroed 152-byte block with its named completion event.
OidRequest* AllocRequest();
void FreeRequest(OidRequest* request);
// 0 completed, 259 pending, or an error code.
DWORD SubmitRequest(AdapterHandle adapter, OidRequest* request);
DWORD WaitRequest(OidRequest* request, DWORD timeoutMs);
// The block a request lives in (for the driver contract and its tests).
RequestBlock* BlockOf(OidRequest* request);

// Synchronous query. Returns 0 when the request ran to completion (then *status and *length
// are filled), else an error with both untouched.
DWORD QueryAdapterInformation(AdapterHandle adapter, DWORD oid, void* buffer, DWORD* length,
                              DWORD* status);
