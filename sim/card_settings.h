// The card driver's settings, in the driver's own encodings (the values its OIDs carry).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/core/win_types.h"

struct CardSettings {
    std::string ssid;              // 0xFFA0C002: desired network name, bytes (at most 32)
    DWORD infrastructureMode = 1;  // 0xFFA0C008: 0 ad hoc, 1 infrastructure
    DWORD apMode = 1;              // 0xFFA0C511: 1 station, 2 access point
    DWORD powerMode = 0;           // 0xFFA0C015: 0 off, 2 maximum saving, 1 fast
    bool radioOn = true;           // 0xFFA0C516
    // Configuration record (0xFFA0C010); joining a network moves the DS frequency to its channel.
    DWORD beaconPeriod = 100;  // kilomicroseconds
    DWORD atimWindow = 0;
    DWORD dsFrequency = 2412000;                        // kHz
    std::array<BYTE, 16> hopping{};                     // frequency-hopping fields, kept as set
    std::vector<BYTE> txRates{0x02, 0x04, 0x0B, 0x16};  // 0xFFA0C00F, 500 kbit/s units
    std::vector<BYTE> supportedRates{0x02, 0x04, 0x0B, 0x16};  // 0xFFA0C00E
    DWORD rtsThreshold = 2347;                                 // 0xFFA0C00A, bytes
    DWORD fragThreshold = 2346;                                // 0xFFA0C009, bytes
    DWORD preambleType = 0;                                    // 0xFFA0C502
    DWORD authType = 0;                                        // 0xFFA0C017
    bool wepEnabled = false;      // 0xFFA0C01C sets 0 to enable; 0xFFA0C01A reads 0 when on
    DWORD antenna = 0xFFFFFFFFu;  // 0xFFA0C00C: 0, 1 or -1 (diversity)
    DWORD environment = 0;        // 0xFFA0C50B
    DWORD option50C = 0;          // 0xFFA0C50C
    DWORD option50D = 0;          // 0xFFA0C50D
    DWORD option510 = 0;          // 0xFFA0C510
    DWORD statusWord = 0;         // 0xFFA0C000
    DWORD networkTypeInUse = 1;   // OID_802_11_NETWORK_TYPE_IN_USE: 1 DS, 3 OFDM 2.4 GHz
    DWORD flagFirst = 0;          // 0xFFA0C504, two words
    DWORD flagSecond = 0;
};
