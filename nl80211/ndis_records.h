// The card driver's records built from the kernel's figures, in the driver's fixed
// little-endian layouts (the same the simulated card writes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "nl80211/wifi_state.h"

namespace ndis_records {

constexpr std::uint32_t kSsidSize = 36;
constexpr std::uint32_t kConfigurationSize = 32;
constexpr std::uint32_t kStatisticsSize = 104;
constexpr std::uint32_t kBssEntrySize = 104;
constexpr std::uint32_t kRateListSize = 8;

// Length and SSID bytes.
std::vector<std::uint8_t> Ssid(const std::string& ssid);
// Beacon period, ATIM window (0) and the frequency in kHz.
std::vector<std::uint8_t> Configuration(std::uint32_t frequencyMhz, std::uint32_t beaconPeriod);
// The 802.11 counters a station reports: transmitted, failed, retried, received, dropped.
std::vector<std::uint8_t> Statistics(const StationFigures& station);
// The 802.11 network type a network's band and rates give: 1 DS, 2 OFDM 5 GHz, 3 OFDM 2.4 GHz.
std::uint32_t NetworkType(const BssInfo& bss);
// One network-list entry.
std::vector<std::uint8_t> BssEntry(const BssInfo& bss);
// The count and as many entries as `capacity` bytes hold (the count says how many there are).
std::vector<std::uint8_t> NetworkList(const std::vector<BssInfo>& networks, std::uint32_t capacity);
// The first eight rates, zero-padded.
std::vector<std::uint8_t> RateList(const std::vector<std::uint8_t>& rates);
// A 32-bit or 64-bit little-endian value.
std::vector<std::uint8_t> Le(std::uint64_t value, std::size_t width);

}  // namespace ndis_records
