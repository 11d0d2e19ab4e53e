// The network list reply of kBssidList: a 32-bit count, then 104-byte entries in the published
// BSSID-list layout, as many as fit the caller's buffer.
#pragma once

#include <optional>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/radio_world.h"

class ScanListWriter {
  public:
    // The count field holds countOverride when given, else the number of networks; entries that
    // do not fit `capacity` are left out.
    static std::vector<BYTE> Write(const std::vector<NetworkSighting>& networks,
                                   std::optional<DWORD> countOverride, DWORD capacity);
    static std::vector<BYTE> Entry(const NetworkSighting& sighting);
};
