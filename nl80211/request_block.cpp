#include "nl80211/request_block.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/core/caller_pointer.h"
#include "rad4/rad4_protocol.h"

namespace {

constexpr std::u16string_view kPrefix = u"RIZOZID4Evt-";
constexpr std::size_t kTokenDigits = 8;

DWORD Field(const BYTE* record, DWORD offset) {
    DWORD value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

void Store(BYTE* record, DWORD offset, DWORD value) {
    std::memcpy(record + offset, &value, sizeof value);
}

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

// "<prefix><8 digits>-<8 digits>": the second number is the block's token.
std::optional<DWORD> BlockToken(std::u16string_view name) {
    if (name.size() != kPrefix.size() + 2 * kTokenDigits + 1 ||
        name.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    std::u16string_view digits = name.substr(kPrefix.size());
    DWORD token = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == kTokenDigits) {
            if (digits[i] != u'-') return std::nullopt;
            continue;
        }
        if (!IsHexDigit(digits[i])) return std::nullopt;
        DWORD digit = digits[i] <= u'9' ? digits[i] - u'0' : digits[i] - u'A' + 10;
        token = i < kTokenDigits ? 0 : (token << 4 | digit);
    }
    return token;
}

}  // namespace

std::optional<RequestBlock> RequestBlock::Find(const BYTE* in, DWORD inSize) {
    if (in == nullptr || inSize < rad4::kDeclaredSize) return std::nullopt;
    char16_t units[rad4::kEventNameUnits] = {};
    std::memcpy(units, in + rad4::kEventNameOffset, sizeof units);
    std::u16string_view all(units, rad4::kEventNameUnits);
    auto end = all.find(u'\0');
    if (end == std::u16string_view::npos) return std::nullopt;
    auto token = BlockToken(all.substr(0, end));
    const auto* block =
        token ? static_cast<const BYTE*>(MapCallerPtr(*token, rad4::kBlockSize)) : nullptr;
    if (block == nullptr) return std::nullopt;
    RequestBlock request;
    request.block_ = *token;
    const BYTE* record = block + rad4::kRecordOffset;
    OidExchange& call = request.exchange_;
    call.type = Field(record, rad4::kTypeField);
    call.oid = Field(record, rad4::kOidField);
    call.length = Field(record, rad4::kLengthField);
    request.buffer_ = Field(record, rad4::kBufferField);
    if (call.length > 0) {
        const auto* buffer = static_cast<const BYTE*>(MapCallerPtr(request.buffer_, call.length));
        if (buffer == nullptr) return std::nullopt;
        call.input.assign(buffer, buffer + call.length);
    }
    return request;
}

bool RequestBlock::Answer(const OidAnswer& answer) const {
    auto* block = static_cast<BYTE*>(MapCallerPtr(block_, rad4::kBlockSize));
    if (block == nullptr) return false;
    DWORD length = exchange_.length;
    DWORD copied = std::min<DWORD>(static_cast<DWORD>(answer.data.size()), length);
    if (copied > 0) {
        auto* buffer = static_cast<BYTE*>(MapCallerPtr(buffer_, length));
        if (buffer == nullptr) return false;
        std::memcpy(buffer, answer.data.data(), copied);
    }
    BYTE* record = block + rad4::kRecordOffset;
    Store(record, rad4::kStatusField, answer.status);
    Store(record, rad4::kTransferredField, answer.status == 0 ? copied : 0);
    Store(record, rad4::kNeededField, answer.bytesNeeded);
    return true;
}
