#include "sim/card_keys.h"

#include "rad4/oids.h"
#include "sim/le_bytes.h"

namespace {

constexpr std::size_t kReadMarker = 9;
constexpr std::size_t kWepKeyBytes = 16;

}  // namespace

DWORD CardKeys::SetEntry(const std::vector<BYTE>& record) {
    DWORD index = GetLe32(record, 0);
    if (index >= kEntries) return ndis::kInvalidData;
    selected_ = index;
    if (record[kReadMarker] != 0xFF) {
        entries_[index].assign(record.begin(), record.begin() + oids::kKeyEntrySize);
    }
    return ndis::kSuccess;
}

std::vector<BYTE> CardKeys::EntryReply() const {
    const auto& entry = entries_[selected_];
    if (!entry.empty()) return entry;
    std::vector<BYTE> empty(oids::kKeyEntrySize);
    PutLe32(empty, 0, selected_);
    return empty;
}

DWORD CardKeys::SetWepKey(const std::vector<BYTE>& record) {
    BYTE mode = record[kWepKeyBytes];
    if (mode > 1) return ndis::kInvalidData;
    wepMode_ = mode;
    if (mode == 0) wepKey_.assign(record.begin(), record.begin() + kWepKeyBytes);
    return ndis::kSuccess;
}

std::vector<BYTE> CardKeys::WepKeyReply() const {
    std::vector<BYTE> reply = wepKey_;
    reply.push_back(wepMode_);
    return reply;
}

void CardKeys::Clear() { *this = CardKeys{}; }
