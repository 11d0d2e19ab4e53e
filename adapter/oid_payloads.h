// Payloads of the private requests that only the adapter builds, with their layouts checked.
#pragma once

#include <array>
#include <cstddef>

#include "adapter/ndis_records.h"
#include "platform/core/win_types.h"

// SSID set and reply: length, then the SSID bytes.
struct SsidPayload {
    DWORD length;
    BYTE ssid[NDIS_SSID_MAX];
};
static_assert(sizeof(SsidPayload) == 36);
static_assert(offsetof(SsidPayload, ssid) == 4);

// Baseband register request: direction, register index, value.
struct BbRegisterRequest {
    BYTE direction;
    BYTE index;
    BYTE value;
};
static_assert(sizeof(BbRegisterRequest) == 3);

// WEP key conversion: 16 key bytes and the mode byte (0 set, 1 get).
struct WepKeyRecord {
    BYTE key[16];
    BYTE mode;
};
static_assert(sizeof(WepKeyRecord) == 17);

// Two flags, 1 or 0 each.
struct FlagPairPayload {
    DWORD first;
    DWORD second;
};
static_assert(sizeof(FlagPairPayload) == 8);

// Zero-terminated rate list in 500 kbit/s units.
using RateList = std::array<BYTE, NDIS_RATES_MAX>;

// Diagnostic counters: a word the adapter does not return, then three counters.
struct DiagCountersRecord {
    DWORD reserved;
    DWORD counters[3];
};
static_assert(sizeof(DiagCountersRecord) == 16);
static_assert(offsetof(DiagCountersRecord, counters) == 4);

// OID_PRIV_DIAG_SET_80E payload: a, then b.
struct Diag80ERequest {
    DWORD a;
    DWORD b;
};
static_assert(sizeof(Diag80ERequest) == 8);

// OID_PRIV_DIAG_804 payload: a selector byte, then a value.
struct Diag804Request {
    BYTE a;
    BYTE reserved[3];
    DWORD b;
};
static_assert(sizeof(Diag804Request) == 8);
static_assert(offsetof(Diag804Request, b) == 4);

constexpr DWORD DIAG_807_DATA_MAX = 2348;

// OID_PRIV_DIAG_WRITE_807 payload: length, data, then d and c.
struct Diag807Request {
    DWORD length;
    BYTE data[DIAG_807_DATA_MAX];
    DWORD d;
    DWORD c;
};
static_assert(sizeof(Diag807Request) == 2360);
static_assert(offsetof(Diag807Request, data) == 4);
static_assert(offsetof(Diag807Request, d) == 2352);
static_assert(offsetof(Diag807Request, c) == 2356);
