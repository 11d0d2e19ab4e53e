#include "sim/register_address.h"

#include "sim/le_bytes.h"
#include "sim/sim_oids.h"

namespace {

constexpr BYTE kEepromTargetWord = 1;

}  // namespace

std::optional<DWORD> RegisterAddress(DWORD oid, const std::vector<BYTE>& record) {
    if (oid == oids::kBasebandRegister && record.size() >= oids::kBasebandRegisterSize) {
        return record[1];
    }
    if (oid == oids::kMacRegister && record.size() >= oids::kMacRegisterSize) {
        return GetLe32(record, 4);
    }
    if (oid == oids::kEeprom && record.size() >= oids::kEepromRecordSize &&
        record[1] == kEepromTargetWord) {
        return record[2];
    }
    return std::nullopt;
}
