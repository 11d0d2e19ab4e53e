// Faults a test puts on a simulated card.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "sim/scenario.h"

// Every request of `oid` (every OID when none) that `request` matches fails with `status`;
// with `address`, only those naming that register or EEPROM word.
inline FaultSpec Refusal(std::optional<DWORD> oid, RequestMatch request = RequestMatch::Any,
                         DWORD status = 0xC0000001, std::optional<DWORD> address = {}) {
    FaultSpec fault;
    fault.oid = oid;
    fault.request = request;
    fault.value = status;
    fault.address = address;
    return fault;
}

// Every query of `oid` is answered with `reply`.
inline FaultSpec ReplyWith(DWORD oid, std::vector<BYTE> reply) {
    FaultSpec fault;
    fault.oid = oid;
    fault.request = RequestMatch::Query;
    fault.kind = FaultKind::Reply;
    fault.data = std::move(reply);
    return fault;
}

// Every request of `oid` has `kind` (pending, a short list, ...) with `value`.
inline FaultSpec FaultOf(DWORD oid, FaultKind kind, DWORD value = 0) {
    FaultSpec fault;
    fault.oid = oid;
    fault.kind = kind;
    fault.value = value;
    return fault;
}
