#include "nl80211/request_block.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/core/caller_pointer.h"
#include "rad4/rad4_protocol.h"
#include "rad4/request_record.h"

std::optional<RequestBlock> RequestBlock::Find(const BYTE* in, DWORD inSize) {
    if (in == nullptr || inSize < rad4::kDeclaredSize) return std::nullopt;
    char16_t units[rad4::kEventNameUnits] = {};
    std::memcpy(units, in + rad4::kEventNameOffset, sizeof units);
    std::u16string_view all(units, rad4::kEventNameUnits);
    auto end = all.find(u'\0');
    if (end == std::u16string_view::npos) return std::nullopt;
    auto token = rad4::BlockTokenOf(all.substr(0, end));
    const auto* block =
        token ? static_cast<const BYTE*>(MapCallerPtr(*token, rad4::kBlockSize)) : nullptr;
    if (block == nullptr) return std::nullopt;
    RequestBlock request;
    request.block_ = *token;
    const BYTE* record = block + rad4::kRecordOffset;
    OidExchange& call = request.exchange_;
    call.type = rad4::ReadField(record, rad4::kTypeField);
    call.oid = rad4::ReadField(record, rad4::kOidField);
    call.length = rad4::ReadField(record, rad4::kLengthField);
    request.buffer_ = rad4::ReadField(record, rad4::kBufferField);
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
    rad4::WriteField(record, rad4::kStatusField, answer.status);
    rad4::WriteField(record, rad4::kTransferredField, answer.status == 0 ? copied : 0);
    rad4::WriteField(record, rad4::kNeededField, answer.bytesNeeded);
    return true;
}
