#include "sim/card_registers.h"

#include "rad4/oids.h"
#include "sim/le_bytes.h"

namespace {

constexpr BYTE kRead = 1;
constexpr BYTE kWrite = 0;

}  // namespace

DWORD CardRegisters::MacRequest(const std::vector<BYTE>& record) {
    DWORD address = GetLe32(record, 4);
    if (!ValidMac(address) || (record[0] != kRead && record[0] != kWrite)) {
        return ndis::kInvalidData;
    }
    if (record[0] == kRead) {
        macSelected_ = address;
    } else {
        mac_[address / 4] = GetLe32(record, 8);
    }
    return ndis::kSuccess;
}

std::vector<BYTE> CardRegisters::MacReply() const {
    std::vector<BYTE> reply(oids::kMacRegisterSize);
    reply[0] = kRead;
    PutLe32(reply, 4, macSelected_);
    PutLe32(reply, 8, mac_[macSelected_ / 4]);
    return reply;
}

DWORD CardRegisters::BasebandRequest(const std::vector<BYTE>& record) {
    DWORD index = record[1];
    if (index >= kBasebandCount || (record[0] != kRead && record[0] != kWrite)) {
        return ndis::kInvalidData;
    }
    if (record[0] == kWrite) baseband_[index] = record[2];
    return ndis::kSuccess;
}

DWORD CardRegisters::BasebandReply(const std::vector<BYTE>& query, std::vector<BYTE>& reply) const {
    if (query.size() < oids::kBasebandRegisterSize || query[0] != kRead ||
        query[1] >= kBasebandCount)
        return ndis::kInvalidData;
    BYTE index = query[1];
    reply = {kRead, index, baseband_[index]};
    return ndis::kSuccess;
}

bool CardRegisters::SetMac(DWORD address, DWORD value) {
    if (!ValidMac(address)) return false;
    mac_[address / 4] = value;
    return true;
}

DWORD CardRegisters::Mac(DWORD address) const { return ValidMac(address) ? mac_[address / 4] : 0; }

bool CardRegisters::SetBaseband(DWORD index, BYTE value) {
    if (index >= kBasebandCount) return false;
    baseband_[index] = value;
    return true;
}

BYTE CardRegisters::Baseband(DWORD index) const {
    return index < kBasebandCount ? baseband_[index] : 0;
}
