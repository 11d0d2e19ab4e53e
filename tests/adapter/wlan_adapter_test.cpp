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
    EXPECT_EQ(base.GetConnectStatus(value), 1);
    EXPECT_EQ(base.GetSsid(text), 1);
    EXPECT_EQ(base.GetBssidList(list), 1);
    EXPECT_EQ(base.GetDeviceClass(value), 1);
    EXPECT_EQ(base.SetBssType(99), 1);
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

struct HexCase {
    const char* text;
    Bytes expected;
};

class ParseHexBytesTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(ParseHexBytesTest, ConvertsDigitPairs) {
    WlanAdapter base;
    Bytes out(GetParam().expected.size(), 0xEE);
    EXPECT_EQ(base.ParseHexBytes(GetParam().text, out), 1);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseHexBytesTest,
                         ::testing::Values(HexCase{"0a1B", {0x0A, 0x1B}},
                                           HexCase{"0a", {0x0A, 0, 0}},
                                           HexCase{"1g2", {0x01, 0x02}},
                                           HexCase{"g1FF", {0x00, 0xFF}}, HexCase{"", {0, 0}}));

TEST(ParseHexBytes, LongTextUsesTheFirst49Characters) {
    WlanAdapter base;
    Bytes out(30, 0xEE);
    base.ParseHexBytes(std::string(60, '7'), out);
    Bytes expected(30, 0);
    std::fill(expected.begin(), expected.begin() + 24, BYTE{0x77});
    expected[24] = 0x07;
    EXPECT_EQ(out, expected);
}

struct FrequencyCase {
    DWORD khz;
    int channel;  // -1: not in the table
};

class FrequencyTableTest : public AdapterTest,
                           public ::testing::WithParamInterface<FrequencyCase> {};

TEST_P(FrequencyTableTest, GetConfigurationFindsTheChannel) {
    NdisConfiguration reply{32, 100, 3, GetParam().khz, {}};
    Reply(OID_PRIV_CONFIGURATION,
          Bytes(reinterpret_cast<BYTE*>(&reply), reinterpret_cast<BYTE*>(&reply) + sizeof reply));
    NdisConfiguration config{};
    config.length = 77;
    int channel = 99;
    EXPECT_EQ(adapter->GetConfiguration(config, channel), 1);
    EXPECT_EQ(channel, GetParam().channel < 0 ? 99 : GetParam().channel);
    EXPECT_EQ(config.length, 77u);
    EXPECT_EQ(config.beaconPeriod, 100u);
    EXPECT_EQ(config.atimWindow, 3u);
    EXPECT_EQ(config.dsConfig, GetParam().khz);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, FrequencyTableTest,
                         ::testing::Values(FrequencyCase{2437000, 6}, FrequencyCase{5745000, 149},
                                           FrequencyCase{4920000, 240}, FrequencyCase{2484000, 14},
                                           FrequencyCase{5080000, 16}, FrequencyCase{2400000, -1},
                                           FrequencyCase{5825000, -1},
                                           FrequencyCase{0xFFFFFFFF, -1}));

TEST_F(AdapterTest, SetSsidPayloadAndRegistryOnlyWhenPersisted) {
    EXPECT_EQ(adapter->SetSsid("abc", 0), 1);
    Bytes expected = Concat({Le32(3), {0x61, 0x62, 0x63}, Bytes(29, 0)});
    EXPECT_EQ(SetPayload(OID_PRIV_SSID), expected);
    EXPECT_FALSE(Stored("Ssid"));
    EXPECT_EQ(adapter->SetSsid("abc", 1), 1);
    EXPECT_EQ(Stored("Ssid"), "abc");
}

TEST_F(AdapterTest, SetSsidCutsLongTextsTo32) {
    std::string longSsid(40, 'x');
    EXPECT_EQ(adapter->SetSsid(longSsid, 1), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_SSID), Concat({Le32(32), Bytes(32, 'x')}));
    EXPECT_EQ(Stored("Ssid"), std::string(32, 'x'));
}

TEST_F(AdapterTest, DriverVersionFromTheVendorOid) {
    std::string text = "old";
    Reply(OID_GEN_VENDOR_DRIVER_VERSION, Le32(0x00020001));
    EXPECT_EQ(adapter->GetDriverVersion(text), 1);
    EXPECT_EQ(text, "2.1");
    card->ClearFaults();
    Refuse(OID_GEN_VENDOR_DRIVER_VERSION);
    EXPECT_EQ(adapter->GetDriverVersion(text), 0);
    EXPECT_EQ(text, "2.1");
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to read driver version"});
}

TEST_F(AdapterTest, RadioSwitchAndFlagPair) {
    EXPECT_EQ(adapter->SetRadioState(0), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_RADIO), Le32(0));
    EXPECT_FALSE(card->Settings().radioOn);
    EXPECT_EQ(adapter->SetFlagPair(5, 0), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_FLAG_PAIR), Concat({Le32(1), Le32(0)}));
    int first = 0, second = 1;
    EXPECT_EQ(adapter->GetFlagPair(first, second), 1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
}

TEST_F(AdapterTest, BasebandRegisterRequests) {
    card->SetBasebandRegister(0x12, 0x5A);
    BYTE value = 0;
    EXPECT_EQ(adapter->ReadBbRegister(0x112, value), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_BB_REGISTER), (Bytes{0x01, 0x12, 0x00}));
    EXPECT_EQ(value, 0x5A);
    card->ClearRequests();
    EXPECT_EQ(adapter->WriteBbRegister(3, 0x1A7), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_BB_REGISTER), (Bytes{0x00, 0x03, 0xA7}));
    EXPECT_EQ(card->BasebandRegister(3), 0xA7);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AdapterTest, BasebandRegisterFailuresNameTheirStep) {
    BYTE value = 9;
    Refuse(OID_PRIV_BB_REGISTER, RequestMatch::Query);
    EXPECT_EQ(adapter->ReadBbRegister(1, value), 0);
    card->ClearFaults();
    Refuse(OID_PRIV_BB_REGISTER, RequestMatch::Set);
    EXPECT_EQ(adapter->ReadBbRegister(1, value), 0);
    EXPECT_EQ(adapter->WriteBbRegister(1, 1), 0);
    EXPECT_EQ(value, 9);
    EXPECT_EQ(messages, (std::vector<std::string>{"Failed to read configuration",
                                                  "Failed to set configuration",
                                                  "Failed to set configuration"}));
}

TEST_F(AdapterTest, ChannelIsClosedOnceWhenTheAdapterGoes) {
    std::size_t opened = host->Driver()->OpenCount();
    adapter.reset();
    EXPECT_LT(host->Driver()->OpenCount(), opened);
}

TEST_F(AdapterTest, AdapterWhoseChannelDidNotOpenFailsEverything) {
    OidAdapter orphan(u"NOSUCH");
    int value = 4;
    std::string text = "keep";
    EXPECT_EQ(orphan.GetConnectStatus(value), 0);
    EXPECT_EQ(orphan.GetDeviceClass(value), 0);
    EXPECT_EQ(orphan.GetMacFlag(value), 0);
    EXPECT_EQ(orphan.GetSsid(text), 0);
    EXPECT_EQ(orphan.SetPowerMode(1), 0);
    EXPECT_EQ(orphan.DiagSet804(1, 2, 1), 0);
    EXPECT_EQ(orphan.GetBssType(value) & 1, 1);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(text, "keep");
    EXPECT_FALSE(Stored("PowerMode"));
    EXPECT_TRUE(card->Requests().empty());
}

}  // namespace
