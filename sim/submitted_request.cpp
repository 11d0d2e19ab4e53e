#include "sim/submitted_request.h"

#include <algorithm>
#include <cstring>

#include "platform/core/caller_pointer.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "sim/rad4_protocol.h"

namespace {

constexpr std::size_t kHexDigits = 8;

DWORD ReadDword(const BYTE* bytes, DWORD offset) {
    DWORD value = 0;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

void WriteDword(BYTE* bytes, DWORD offset, DWORD value) {
    std::memcpy(bytes + offset, &value, sizeof value);
}

std::optional<DWORD> ParseHex(std::u16string_view text) {
    if (text.size() != kHexDigits) return std::nullopt;
    DWORD value = 0;
    for (char16_t c : text) {
        int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<DWORD>(digit);
    }
    return value;
}

BYTE* Block(DWORD token) { return static_cast<BYTE*>(MapCallerPtr(token, rad4::kBlockSize)); }

bool HasPrefix(std::u16string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), name.begin());
}

}  // namespace

std::optional<DWORD> SubmittedRequest::ParseEventName(std::u16string_view name) {
    const std::string_view prefix = rad4::kEventPrefix;
    if (name.size() != prefix.size() + 2 * kHexDigits + 1 || !HasPrefix(name, prefix)) {
        return std::nullopt;
    }
    std::size_t dash = prefix.size() + kHexDigits;
    if (name[dash] != u'-' || !ParseHex(name.substr(prefix.size(), kHexDigits))) {
        return std::nullopt;
    }
    return ParseHex(name.substr(dash + 1));
}

std::optional<SubmittedRequest> SubmittedRequest::Read(const BYTE* in, DWORD inSize) {
    if (in == nullptr || inSize < rad4::kDeclaredSize) return std::nullopt;
    SubmittedRequest request;
    auto& units = request.eventName_;
    std::memcpy(units.data(), in + rad4::kEventNameOffset, sizeof units);
    auto end = std::find(units.begin(), units.end(), u'\0');
    if (end == units.end()) return std::nullopt;
    request.nameLength_ = static_cast<std::size_t>(end - units.begin());
    auto token = ParseEventName(request.EventName());
    const BYTE* block = token ? Block(*token) : nullptr;
    if (block == nullptr) return std::nullopt;
    request.blockToken_ = *token;
    const BYTE* record = block + rad4::kRecordOffset;
    request.call_.type = ReadDword(record, rad4::kTypeField);
    request.call_.oid = ReadDword(record, rad4::kOidField);
    request.call_.length = ReadDword(record, rad4::kLengthField);
    request.bufferToken_ = ReadDword(record, rad4::kBufferField);
    if (request.call_.length > 0) {
        auto* buffer =
            static_cast<const BYTE*>(MapCallerPtr(request.bufferToken_, request.call_.length));
        if (buffer == nullptr) return std::nullopt;
        request.call_.input.assign(buffer, buffer + request.call_.length);
    }
    return request;
}

bool SubmittedRequest::Complete(const OidResult& result) const {
    BYTE* block = Block(blockToken_);
    if (block == nullptr) return false;
    DWORD copied = std::min<DWORD>(static_cast<DWORD>(result.data.size()), call_.length);
    if (copied > 0) {
        auto* buffer = static_cast<BYTE*>(MapCallerPtr(bufferToken_, call_.length));
        if (buffer == nullptr) return false;
        std::memcpy(buffer, result.data.data(), copied);
    }
    BYTE* record = block + rad4::kRecordOffset;
    WriteDword(record, rad4::kStatusField, result.status);
    WriteDword(record, rad4::kTransferredField, std::min(result.bytesTransferred, call_.length));
    WriteDword(record, rad4::kNeededField, result.bytesNeeded);
    return true;
}

bool SubmittedRequest::Signal() const {
    HANDLE event = OpenEvent(EVENT_ALL_ACCESS, FALSE, eventName_.data());
    if (event == 0) return false;
    BOOL set = SetEvent(event);
    CloseHandle(event);
    return set != FALSE;
}
