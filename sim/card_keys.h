// The card's key store: four 48-byte key entries (kKeyEntry) and the WEP key record
// (kWepKey), each written by a set and read back by a set that selects, then a query.
#pragma once

#include <array>
#include <vector>

#include "platform/core/win_types.h"

class CardKeys {
  public:
    static constexpr DWORD kEntries = 4;

    // A 48-byte entry: bytes 0 to 3 the index; byte 9 = 0xFF asks to read that entry,
    // otherwise the entry is stored. Returns an NDIS status.
    DWORD SetEntry(const std::vector<BYTE>& record);
    std::vector<BYTE> EntryReply() const;
    // The 17-byte WEP record: 16 key bytes, then mode 0 (store) or 1 (read).
    DWORD SetWepKey(const std::vector<BYTE>& record);
    std::vector<BYTE> WepKeyReply() const;
    void Clear();

  private:
    std::array<std::vector<BYTE>, kEntries> entries_;
    DWORD selected_ = 0;
    std::vector<BYTE> wepKey_ = std::vector<BYTE>(16);
    BYTE wepMode_ = 0;
};
