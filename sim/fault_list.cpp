#include "sim/fault_list.h"

#include <algorithm>

namespace {

constexpr DWORD kQuery = 0;
constexpr DWORD kSet = 1;

}  // namespace

bool FaultList::Matches(const FaultSpec& fault, DWORD type, DWORD oid) {
    if (fault.oid && *fault.oid != oid) return false;
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

std::optional<FaultSpec> FaultList::Take(DWORD type, DWORD oid,
                                         std::initializer_list<FaultKind> kinds) {
    for (auto& fault : faults_) {
        if (std::find(kinds.begin(), kinds.end(), fault.kind) == kinds.end()) continue;
        if (!Matches(fault, type, oid)) continue;
        if (fault.times) --*fault.times;
        return fault;
    }
    return std::nullopt;
}
