// The driver's records built from the kernel's figures, checked field by field at the offsets
// the utility reads them.
#include <gtest/gtest.h>

#include "fake_wifi.h"
#include "nl80211/ndis_records.h"

namespace {

std::uint64_t At(const std::vector<std::uint8_t>& bytes, std::size_t offset,
                 std::size_t width = 4) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= std::uint64_t{bytes.at(offset + i)} << (8 * i);
    return value;
}

}  // namespace

TEST(Nl80211Records, NetworkEntryCarriesEveryField) {
    FakeWifi wifi;
    HarborWorld(wifi);
    auto entry = ndis_records::BssEntry(wifi.networks[1]);  // "Quay": privacy, channel 11
    ASSERT_EQ(entry.size(), 104u);
    EXPECT_EQ(At(entry, 0), 104u);
    EXPECT_EQ(std::vector<std::uint8_t>(entry.begin() + 4, entry.begin() + 10),
              std::vector<std::uint8_t>(kQuayMac.begin(), kQuayMac.end()));
    EXPECT_EQ(At(entry, 12), 4u);
    EXPECT_EQ(std::string(entry.begin() + 16, entry.begin() + 20), "Quay");
    EXPECT_EQ(At(entry, 48), 1u);                              // privacy
    EXPECT_EQ(static_cast<std::int32_t>(At(entry, 52)), -70);  // dBm
    EXPECT_EQ(At(entry, 56), 1u);                              // DS rates only
    EXPECT_EQ(At(entry, 60), 32u);                             // configuration length
    EXPECT_EQ(At(entry, 64), 200u);                            // beacon period
    EXPECT_EQ(At(entry, 72), 2462000u);                        // kHz
    EXPECT_EQ(At(entry, 92), 1u);                              // infrastructure
    EXPECT_EQ(std::vector<std::uint8_t>(entry.begin() + 96, entry.end()),
              (std::vector<std::uint8_t>{0x82, 0x84, 0, 0, 0, 0, 0, 0}));
}

TEST(Nl80211Records, NetworkTypeAndModeFollowRatesBandAndCapability) {
    BssInfo ofdm;
    ofdm.rates = {0x82, 0x6C};
    ofdm.frequencyMhz = 2412;
    EXPECT_EQ(At(ndis_records::BssEntry(ofdm), 56), 3u);
    BssInfo fiveGhz;
    fiveGhz.frequencyMhz = 5180;
    EXPECT_EQ(At(ndis_records::BssEntry(fiveGhz), 56), 2u);
    BssInfo adHoc;
    adHoc.capability = 0x0002;
    EXPECT_EQ(At(ndis_records::BssEntry(adHoc), 92), 0u);
}

TEST(Nl80211Records, ListCountsEveryNetworkButHoldsOnlyWhatFits) {
    FakeWifi wifi;
    HarborWorld(wifi);
    auto full = ndis_records::NetworkList(wifi.networks, 4 + 2 * 104);
    ASSERT_EQ(full.size(), 4u + 2 * 104);
    EXPECT_EQ(At(full, 0), 2u);
    EXPECT_EQ(std::string(full.begin() + 4 + 16, full.begin() + 4 + 22), "Harbor");
    EXPECT_EQ(std::string(full.begin() + 108 + 16, full.begin() + 108 + 20), "Quay");
    auto cut = ndis_records::NetworkList(wifi.networks, 4 + 104 + 50);
    EXPECT_EQ(cut.size(), 4u + 104);
    EXPECT_EQ(At(cut, 0), 2u);
    EXPECT_EQ(ndis_records::NetworkList(wifi.networks, 2).size(), 4u);
}

TEST(Nl80211Records, StatisticsSsidAndRateList) {
    FakeWifi wifi;
    HarborWorld(wifi);
    wifi.station.txRetries = 9;
    wifi.station.rxDropped = 6;
    auto stats = ndis_records::Statistics(wifi.station);
    ASSERT_EQ(stats.size(), 104u);
    EXPECT_EQ(At(stats, 0), 104u);
    EXPECT_EQ(At(stats, 8, 8), 120u);       // transmitted fragments
    EXPECT_EQ(At(stats, 8 + 16, 8), 3u);    // failed
    EXPECT_EQ(At(stats, 8 + 24, 8), 9u);    // retry
    EXPECT_EQ(At(stats, 8 + 72, 8), 340u);  // received fragments
    EXPECT_EQ(At(stats, 8 + 88, 8), 6u);    // FCS errors: frames dropped
    auto ssid = ndis_records::Ssid(std::string(40, 'x'));
    ASSERT_EQ(ssid.size(), 36u);
    EXPECT_EQ(At(ssid, 0), 32u);
    EXPECT_EQ(ndis_records::RateList(wifi.networks[0].rates),
              (std::vector<std::uint8_t>{0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24}));
}
