#include "sim/setting_oid.h"

#include "sim/card_model.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/sim_oids.h"

void SettingOid::Add(OidTable& table, CardModel& model, DWORD oid, DWORD CardSettings::*field,
                     DWORD low, DWORD high) {
    AddChoice(table, model, oid, field,
              [low, high](DWORD value) { return value >= low && value <= high; });
}

void SettingOid::AddChoice(OidTable& table, CardModel& model, DWORD oid, DWORD CardSettings::*field,
                           std::function<bool(DWORD)> accepted) {
    table.AddValue(
        oid, [&model, field] { return model.settings.*field; },
        [&model, field, accepted](DWORD value) {
            if (!accepted(value)) return ndis::kInvalidData;
            model.settings.*field = value;
            return ndis::kSuccess;
        });
}

void SettingOid::AddWordPair(OidTable& table, DWORD oid, DWORD& first, DWORD& second) {
    table.AddRecord(
        oid, 8,
        [&first, &second] {
            std::vector<BYTE> pair(8);
            PutLe32(pair, 0, first);
            PutLe32(pair, 4, second);
            return pair;
        },
        [&first, &second](const std::vector<BYTE>& pair) {
            first = GetLe32(pair, 0);
            second = GetLe32(pair, 4);
            return ndis::kSuccess;
        });
}
