#include "nl80211/ndis_records.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kNetworkTypeDs = 1;
constexpr std::uint32_t kNetworkTypeOfdm5 = 2;
constexpr std::uint32_t kNetworkTypeOfdm24 = 3;
constexpr std::uint8_t kFastestDsRate = 0x16;  // 11 Mbit/s
constexpr std::uint32_t kFirst5GhzMhz = 4900;
constexpr std::size_t kMaxSsid = 32;

void Put(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint64_t value,
         std::size_t width = 4) {
    for (std::size_t i = 0; i < width && offset + i < bytes.size(); ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

namespace ndis_records {

std::uint32_t NetworkType(const BssInfo& bss) {
    if (bss.frequencyMhz >= kFirst5GhzMhz) return kNetworkTypeOfdm5;
    bool ofdm = std::any_of(bss.rates.begin(), bss.rates.end(),
                            [](std::uint8_t rate) { return (rate & 0x7F) > kFastestDsRate; });
    return ofdm ? kNetworkTypeOfdm24 : kNetworkTypeDs;
}

std::vector<std::uint8_t> Le(std::uint64_t value, std::size_t width) {
    std::vector<std::uint8_t> bytes(width);
    Put(bytes, 0, value, width);
    return bytes;
}

std::vector<std::uint8_t> Ssid(const std::string& ssid) {
    std::vector<std::uint8_t> record(kSsidSize);
    std::size_t length = std::min(ssid.size(), kMaxSsid);
    Put(record, 0, length);
    std::copy_n(ssid.begin(), length, record.begin() + 4);
    return record;
}

std::vector<std::uint8_t> Configuration(std::uint32_t frequencyMhz, std::uint32_t beaconPeriod) {
    std::vector<std::uint8_t> record(kConfigurationSize);
    Put(record, 0, kConfigurationSize);
    Put(record, 4, beaconPeriod);
    Put(record, 12, std::uint64_t{frequencyMhz} * 1000);
    return record;
}

std::vector<std::uint8_t> Statistics(const StationFigures& s) {
    enum { kTransmitted = 0, kFailed = 2, kRetry = 3, kAckFailure = 7, kReceived = 9, kFcs = 11 };
    std::vector<std::uint8_t> record(kStatisticsSize);
    Put(record, 0, kStatisticsSize);
    auto counter = [&record](int k, std::uint64_t value) { Put(record, 8 + 8 * k, value, 8); };
    counter(kTransmitted, s.txPackets);
    counter(kFailed, s.txFailed);
    counter(kRetry, s.txRetries);
    counter(kAckFailure, s.txFailed);
    counter(kReceived, s.rxPackets);
    counter(kFcs, s.rxDropped);
    return record;
}

std::vector<std::uint8_t> RateList(const std::vector<std::uint8_t>& rates) {
    std::vector<std::uint8_t> list(kRateListSize);
    std::copy_n(rates.begin(), std::min<std::size_t>(rates.size(), kRateListSize), list.begin());
    return list;
}

std::vector<std::uint8_t> BssEntry(const BssInfo& bss) {
    std::vector<std::uint8_t> entry(kBssEntrySize);
    Put(entry, 0, kBssEntrySize);
    std::copy(bss.bssid.begin(), bss.bssid.end(), entry.begin() + 4);
    std::size_t ssidLength = std::min(bss.ssid.size(), kMaxSsid);
    Put(entry, 12, ssidLength);
    std::copy_n(bss.ssid.begin(), ssidLength, entry.begin() + 16);
    Put(entry, 48, bss.Privacy() ? 1 : 0);
    Put(entry, 52, static_cast<std::uint32_t>(bss.signalDbm));
    Put(entry, 56, NetworkType(bss));
    auto configuration = Configuration(bss.frequencyMhz, bss.beaconInterval);
    std::copy(configuration.begin(), configuration.end(), entry.begin() + 60);
    Put(entry, 92, bss.Ibss() ? 0 : 1);
    auto rates = RateList(bss.rates);
    std::copy(rates.begin(), rates.end(), entry.begin() + 96);
    return entry;
}

std::vector<std::uint8_t> NetworkList(const std::vector<BssInfo>& networks,
                                      std::uint32_t capacity) {
    std::vector<std::uint8_t> list(4);
    Put(list, 0, networks.size());
    std::size_t room = capacity < 4 ? 0 : (capacity - 4) / kBssEntrySize;
    for (std::size_t i = 0; i < networks.size() && i < room; ++i) {
        auto entry = BssEntry(networks[i]);
        list.insert(list.end(), entry.begin(), entry.end());
    }
    return list;
}

}  // namespace ndis_records
