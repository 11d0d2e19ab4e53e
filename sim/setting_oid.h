// A 32-bit card setting read and written through one OID, with the values the driver accepts.
#pragma once

#include <functional>

#include "platform/core/win_types.h"
#include "sim/card_settings.h"

class CardModel;
class OidTable;

class SettingOid {
  public:
    // Values outside [low, high] are refused with an invalid-data status.
    static void Add(OidTable& table, CardModel& model, DWORD oid, DWORD CardSettings::*field,
                    DWORD low = 0, DWORD high = 0xFFFFFFFFu);
    // As Add, for a setting whose accepted values are listed.
    static void AddChoice(OidTable& table, CardModel& model, DWORD oid, DWORD CardSettings::*field,
                          std::function<bool(DWORD)> accepted);
    // An 8-byte record of two 32-bit words, read back as last set.
    static void AddWordPair(OidTable& table, DWORD oid, DWORD& first, DWORD& second);
};
