#include "sim/setting_oid.h"

#include "sim/card_model.h"
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
