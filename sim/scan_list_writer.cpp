#include "sim/scan_list_writer.h"

#include <algorithm>

#include "rad4/oids.h"
#include "sim/channel_plan.h"
#include "sim/le_bytes.h"

namespace {

constexpr DWORD kNetworkTypeDs = 1;
constexpr DWORD kNetworkTypeOfdm24 = 3;
constexpr BYTE kFastestDsRate = 0x16;  // 11 Mbit/s
constexpr std::size_t kMaxRates = 8;

DWORD NetworkType(const std::vector<BYTE>& rates) {
    bool ofdm = std::any_of(rates.begin(), rates.end(),
                            [](BYTE rate) { return (rate & 0x7F) > kFastestDsRate; });
    return ofdm ? kNetworkTypeOfdm24 : kNetworkTypeDs;
}

}  // namespace

std::vector<BYTE> ScanListWriter::Entry(const NetworkSighting& sighting) {
    const NetworkSpec& n = sighting.network;
    std::vector<BYTE> entry(oids::kBssidEntrySize);
    PutLe32(entry, 0, oids::kBssidEntrySize);
    std::copy(n.bssid.begin(), n.bssid.end(), entry.begin() + 4);
    std::size_t ssidLength = std::min<std::size_t>(n.ssid.size(), 32);
    PutLe32(entry, 12, static_cast<DWORD>(ssidLength));
    std::copy_n(n.ssid.begin(), ssidLength, entry.begin() + 16);
    PutLe32(entry, 48, n.privacy);
    PutLe32(entry, 52, static_cast<DWORD>(sighting.signalDbm));
    PutLe32(entry, 56, NetworkType(n.rates));
    PutLe32(entry, 60, oids::kConfigurationSize);
    PutLe32(entry, 64, n.beaconPeriod);
    PutLe32(entry, 72, ChannelPlan::FrequencyKhz(n.channel));
    PutLe32(entry, 92, n.mode);
    std::copy_n(n.rates.begin(), std::min(n.rates.size(), kMaxRates), entry.begin() + 96);
    return entry;
}

std::vector<BYTE> ScanListWriter::Write(const std::vector<NetworkSighting>& networks,
                                        std::optional<DWORD> countOverride, DWORD capacity) {
    std::vector<BYTE> list(4);
    PutLe32(list, 0, countOverride.value_or(static_cast<DWORD>(networks.size())));
    std::size_t room = capacity < 4 ? 0 : (capacity - 4) / oids::kBssidEntrySize;
    for (std::size_t i = 0; i < networks.size() && i < room; ++i) {
        auto entry = Entry(networks[i]);
        list.insert(list.end(), entry.begin(), entry.end());
    }
    return list;
}
