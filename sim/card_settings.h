// The card driver's settings, in the driver's own encodings (the values its OIDs carry).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/core/win_types.h"

struct CardSettings {
    std::string ssid;              // kSsid: desired network name, bytes (at most 32)
    DWORD infrastructureMode = 1;  // kInfrastructureMode: 0 ad hoc, 1 infrastructure
    DWORD apMode = 1;              // kApMode: 1 station, 2 access point
    DWORD powerMode = 0;           // kPowerMode: 0 off, 2 maximum saving, 1 fast
    bool radioOn = true;           // kRadioState
    // kConfiguration record; joining a network moves the DS frequency to its channel.
    DWORD beaconPeriod = 100;  // kilomicroseconds
    DWORD atimWindow = 0;
    DWORD dsFrequency = 2412000;                        // kHz
    std::array<BYTE, 16> hopping{};                     // frequency-hopping fields, kept as set
    std::vector<BYTE> txRates{0x02, 0x04, 0x0B, 0x16};  // kDesiredRates, 500 kbit/s units
    std::vector<BYTE> supportedRates{0x02, 0x04, 0x0B, 0x16};  // kSupportedRates
    DWORD rtsThreshold = 2347;                                 // kRtsThreshold, bytes
    DWORD fragThreshold = 2346;                                // kFragThreshold, bytes
    DWORD preambleType = 0;                                    // kPreambleType
    DWORD authType = 0;                                        // kAuthType
    bool wepEnabled = false;      // kWepDisable sets 0 to enable; kWepStatus reads 0 when on
    DWORD antenna = 0xFFFFFFFFu;  // kRxAntenna: 0, 1 or -1 (diversity)
    DWORD environment = 0;        // kEnvironment
    DWORD option50C = 0;          // kOption50C
    DWORD option50D = 0;          // kOption50D
    DWORD option510 = 0;          // kOption510
    DWORD statusWord = 0;         // kStatusWord
    DWORD networkTypeInUse = 1;   // OID_802_11_NETWORK_TYPE_IN_USE: 1 DS, 3 OFDM 2.4 GHz
    DWORD flagFirst = 0;          // kFlagPair, two words
    DWORD flagSecond = 0;

    bool operator==(const CardSettings&) const = default;
};
