// What the kernel's wireless stack reports about an interface, a station and the networks in
// range, in plain values the driver turns into its records.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using WifiMac = std::array<std::uint8_t, 6>;

// A wireless interface: its name, index, radio and, while it is associated, the network.
struct WifiInterface {
    std::string name;
    std::uint32_t index = 0;
    std::uint32_t wiphy = 0;
    std::uint32_t type = 0;  // nl80211 interface type
    WifiMac mac{};
    std::string ssid;                // empty while not associated
    std::uint32_t frequencyMhz = 0;  // 0 when unknown
};

// The access point's figures as the station sees them.
struct StationFigures {
    bool present = false;
    WifiMac peer{};  // the access point
    int signalDbm = 0;
    std::uint32_t txBitrate100k = 0;  // 100 kbit/s units
    std::uint64_t rxBytes = 0;
    std::uint64_t txBytes = 0;
    std::uint32_t rxPackets = 0;
    std::uint32_t txPackets = 0;
    std::uint32_t txFailed = 0;
    std::uint32_t txRetries = 0;
    std::uint32_t rxDropped = 0;
};

// One network of the scan results.
struct BssInfo {
    WifiMac bssid{};
    std::string ssid;
    std::uint32_t frequencyMhz = 0;
    int signalDbm = 0;
    std::uint16_t beaconInterval = 0;
    std::uint16_t capability = 0;
    bool associated = false;
    std::vector<std::uint8_t> rates;  // 500 kbit/s units, bit 7 marks a basic rate

    bool Privacy() const { return (capability & 0x0010) != 0; }
    bool Ibss() const { return (capability & 0x0002) != 0; }
};
