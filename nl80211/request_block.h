// The request block a client submits, as the Linux driver handles it: the block is named by the
// token at the end of its event name ("RIZOZID4Evt-<process>-<block>"), the information buffer
// by the token in the request record. The driver answers every request at once, so it writes
// the answer into the block and never signals the event.
#pragma once

#include <optional>

#include "nl80211/oid_exchange.h"
#include "platform/core/win_types.h"

class RequestBlock {
  public:
    // The block behind the submit call's input; nothing when it is not one of the driver's or
    // its memory does not map.
    static std::optional<RequestBlock> Find(const BYTE* in, DWORD inSize);

    const OidExchange& Exchange() const { return exchange_; }
    // Writes the answer into the information buffer and the request record.
    bool Answer(const OidAnswer& answer) const;

  private:
    DWORD block_ = 0;
    DWORD buffer_ = 0;
    OidExchange exchange_;
};
