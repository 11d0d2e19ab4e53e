// Faults injected into a card's requests, matched by OID and request type, each for a limited
// number of requests or for good; a fault may aim at one register or EEPROM word.
#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/oid_call.h"
#include "sim/scenario.h"

class FaultList {
  public:
    void Add(const FaultSpec& fault) { faults_.push_back(fault); }
    void Clear() { faults_.clear(); }
    // The first fault of one of these kinds in force for the request, using up one of its times.
    std::optional<FaultSpec> Take(const OidCall& call, std::initializer_list<FaultKind> kinds);

  private:
    static bool Matches(const FaultSpec& fault, const OidCall& call);

    std::vector<FaultSpec> faults_;
};
