// A request block as the driver reads it at submission: the block is found through the token
// in its event name, the information buffer through the token in the request record. Nothing
// outside the mapped sizes is ever read or written.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/core/win_types.h"
#include "sim/oid_call.h"
#include "sim/rad4_protocol.h"

class SubmittedRequest {
  public:
    // Reads the block behind the submit call's input. Nothing when the input is too short, the
    // event name is not the driver's, or the block or the buffer does not map.
    static std::optional<SubmittedRequest> Read(const BYTE* in, DWORD inSize);

    const OidCall& Call() const { return call_; }
    std::u16string_view EventName() const { return {eventName_.data(), nameLength_}; }
    // Writes the result into the buffer and the request record; false when the block no
    // longer maps (the caller gave it up).
    bool Complete(const OidResult& result) const;
    // Signals the block's named event; false when it no longer exists.
    bool Signal() const;

  private:
    static std::optional<DWORD> ParseEventName(std::u16string_view name);

    DWORD blockToken_ = 0;
    DWORD bufferToken_ = 0;
    std::array<char16_t, rad4::kEventNameUnits> eventName_{};  // NUL-terminated
    std::size_t nameLength_ = 0;
    OidCall call_;
};
