// The base adapter: its defaults, the channel table and the operations every adapter shares.
#include <algorithm>
#include <string>

#include "adapter/oid_codes.h"
#include "adapter_fixture.h"

namespace {

TEST_F(RegistryTest, BaseAdapterSucceedsAndLeavesOutputsUntouched) {
    WlanAdapter base;
    int value = 7;
    std::string text = "keep";
    NdisBssidList list{};
    list.numberOfItems = 9;
    EXPECT_EQ(base.GetConnectStatus(value) + base.GetSsid(text) + base.GetBssidList(list) +
                  base.GetDeviceClass(value) + base.SetBssType(99),
              5);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(list.numberOfItems, 9u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(base.StartScan(), 1);
    EXPECT_EQ(messages, std::vector<std::string>{"Decice Test"});
}

TEST_F(RegistryTest, BaseAdapterWithoutChannelFailsEveryRequest) {
    WlanAdapter base;
    std::string text = "keep";
    int first = 5, second = 5;
    EXPECT_EQ(base.GetMacAddress(text), 0);
    EXPECT_EQ(base.GetFlagPair(first, second), 0);
    EXPECT_EQ(base.SetRadioState(1), 0);
    EXPECT_EQ(base.SetSsid("abc", 1), 0);
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(first, 5);
    EXPECT_FALSE(Stored("Ssid"));
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to set SSID"});
}

TEST_F(AdapterTest, AdapterWhoseChannelDidNotOpenFailsEverything) {
    OidAdapter orphan(u"NOSUCH");
    int value = 4;
    std::string text = "keep";
    EXPECT_EQ(orphan.GetConnectStatus(value) + orphan.GetMacFlag(value) + orphan.GetSsid(text) +
                  orphan.SetPowerMode(1) + orphan.DiagSet804(1, 2, 1),
              0);
    EXPECT_EQ(orphan.GetBssType(value) & 1, 1);
    EXPECT_EQ(value, 4);
    // The device class asks nothing of the card, so it needs no channel.
    EXPECT_EQ(orphan.GetDeviceClass(value), 1);
    EXPECT_EQ(value, 2) << "the class that knows AP sub-modes";
    EXPECT_EQ(text, "keep");
    EXPECT_FALSE(Stored("PowerMode"));
    EXPECT_TRUE(card->Requests().empty());
}

// 49 characters: 24 pairs and a lone digit.
Bytes LongTextBytes() {
    Bytes bytes(30, 0);
    std::fill(bytes.begin(), bytes.begin() + 24, BYTE{0x77});
    bytes[24] = 0x07;
    return bytes;
}

TEST(ParseHexBytesTest, ConvertsDigitPairs) {
    const std::pair<std::string, Bytes> cases[] = {
        {"0a", {0x0A, 0, 0}}, {"1g2", {0x01, 0x02}}, {std::string(60, '7'), LongTextBytes()}};
    for (const auto& [text, expected] : cases) {
        WlanAdapter base;
        Bytes out(expected.size(), 0xEE);
        EXPECT_EQ(base.ParseHexBytes(text, out), 1);
        EXPECT_EQ(out, expected) << text;
    }
}

// The channels of other frequencies are what the ad_status_values* scripts show.
TEST_F(AdapterTest, GetConfigurationKeepsTheCallersLength) {
    Reply(OID_PRIV_CONFIGURATION, Raw(NdisConfiguration{32, 100, 3, 2437000, {}}));
    NdisConfiguration config{};
    config.length = 77;
    int channel = 99;
    EXPECT_EQ(adapter->GetConfiguration(config, channel), 1);
    EXPECT_EQ(std::tuple(channel, config.length, config.atimWindow, config.dsConfig),
              std::tuple(6, 77u, 3u, DWORD{2437000}));
}

}  // namespace
