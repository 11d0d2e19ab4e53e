#include "sim/fault_list.h"

#include <algorithm>

#include "sim/register_address.h"

namespace {

constexpr DWORD kQuery = 0;
constexpr DWORD kSet = 1;

}  // namespace

bool FaultList::Matches(const FaultSpec& fault, const OidCall& call) {
    const DWORD type = call.type;
    if (fault.oid && *fault.oid != call.oid) return false;
    if (fault.address && RegisterAddress(call.oid, call.input) != fault.address) return false;
    if (fault.times && *fault.times == 0) return false;
    if (fault.kind == FaultKind::Reply && type != kQuery) return false;
    switch (fault.request) {
        case RequestMatch::Query:
            return type == kQuery;
        case RequestMatch::Set:
            return type == kSet;
        case RequestMatch::Any:
            break;
    }
    return true;
}

std::optional<FaultSpec> FaultList::Take(const OidCall& call,
                                         std::initializer_list<FaultKind> kinds) {
    for (auto& fault : faults_) {
        if (std::find(kinds.begin(), kinds.end(), fault.kind) == kinds.end()) continue;
        if (!Matches(fault, call)) continue;
        if (fault.times) --*fault.times;
        return fault;
    }
    return std::nullopt;
}
