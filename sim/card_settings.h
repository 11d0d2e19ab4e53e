// The card driver's settings, in the driver's own encodings (the values its OIDs carry).
#pragma once

#include <string>
#include <vector>

#include "platform/core/win_types.h"

struct CardSettings {
    std::string ssid;              // desired network name, bytes (at most 32)
    DWORD infrastructureMode = 1;  // 0xFFA0C008: 0 ad hoc, 1 infrastructure
    DWORD apMode = 1;              // 0xFFA0C511: 1 station, 2 access point
    DWORD powerMode = 0;           // 0xFFA0C015: 0 off, 2 maximum saving, 1 fast
    bool radioOn = true;           // 0xFFA0C516
    int adhocChannel = 1;          // DS channel used while not associated
    DWORD beaconPeriod = 100;      // configuration record, in kilomicroseconds
    DWORD atimWindow = 0;
    std::vector<BYTE> txRates{0x02, 0x04, 0x0B, 0x16};         // 0xFFA0C00F, 500 kbit/s units
    std::vector<BYTE> supportedRates{0x02, 0x04, 0x0B, 0x16};  // 0xFFA0C00E
    DWORD rtsThreshold = 2347;                                 // 0xFFA0C00A, bytes
    DWORD fragThreshold = 2346;                                // 0xFFA0C009, bytes
    DWORD preambleType = 0;                                    // 0xFFA0C502
    DWORD authType = 0;                                        // 0xFFA0C017
    bool wepEnabled = false;                                   // 0xFFA0C01C (inverted) / 0xFFA0C01A
    DWORD antenna = 0xFFFFFFFFu;                               // 0xFFA0C00C: 0, 1 or -1 (diversity)
    DWORD environment = 0;                                     // 0xFFA0C50B
    DWORD option50C = 0;                                       // 0xFFA0C50C
    DWORD option50D = 0;                                       // 0xFFA0C50D
    DWORD option510 = 0;                                       // 0xFFA0C510
    DWORD statusWord = 0;                                      // 0xFFA0C000
    DWORD networkTypeInUse = 1;  // OID_802_11_NETWORK_TYPE_IN_USE: 1 DS, 3 OFDM 2.4 GHz
    DWORD flagFirst = 0;         // 0xFFA0C504, two words
    DWORD flagSecond = 0;
};
