// The card's OIDs: settings read back in the driver's own encodings, records, and the registry
// parameters the driver reads when it loads.
#include "sim_fixture.h"

namespace {

constexpr const char* kParms = "Comm\\KESTREL1\\Parms";

struct WordSetting {
    DWORD oid;
    DWORD value;
    bool accepted;
};

}  // namespace

using CardOidTest = SimTest;
class WordSettingTest : public SimTest, public ::testing::WithParamInterface<WordSetting> {};

// A value the driver knows is read back; one it does not know is refused and changes nothing.
TEST_P(WordSettingTest, SetValueIsReadBackOrRefused) {
    StartOpen();
    auto [oid, value, accepted] = GetParam();
    DWORD before = QueryWord(oid);
    EXPECT_EQ(SetWord(oid, value).status, accepted ? 0u : kInvalidData);
    EXPECT_EQ(QueryWord(oid), accepted ? value : before);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WordSettingTest,
    ::testing::Values(WordSetting{kInfrastructure, 0, true}, WordSetting{0xFFA0C009, 1024, true},
                      WordSetting{0xFFA0C00A, 500, true}, WordSetting{0xFFA0C00C, 0xFFFFFFFF, true},
                      WordSetting{kPowerMode, 1, true}, WordSetting{0xFFA0C017, 2, true},
                      WordSetting{0xFFA0C502, 1, true}, WordSetting{0xFFA0C50B, 3, true},
                      WordSetting{kApMode, 2, true}, WordSetting{kRadio, 0, true},
                      WordSetting{kNetworkTypeInUse, 3, true}, WordSetting{kPowerMode, 3, false},
                      WordSetting{0xFFA0C00C, 2, false}, WordSetting{kApMode, 0, false},
                      WordSetting{kRadio, 2, false}, WordSetting{0xFFA0C009, 100, false}));

TEST_F(CardOidTest, WepEnableIsInverted) {
    StartOpen();
    EXPECT_EQ(QueryWord(kWepStatus), 1u);  // off
    SetWord(kWepDisable, 0);
    EXPECT_EQ(QueryWord(kWepStatus), 0u);
    SetWord(kWepDisable, 1);
    EXPECT_EQ(QueryWord(kWepStatus), 1u);
}

TEST_F(CardOidTest, VersionAndConfigurationOfTheDefaultScenario) {
    StartOpen();
    EXPECT_EQ(QueryWord(kVendorVersion), 0x00020005u);
    std::vector<BYTE> configuration(32);
    Query(kConfiguration, configuration);
    EXPECT_EQ(Word(configuration, 0), 32u);
    EXPECT_EQ(Word(configuration, 12), 2437000u);
}

TEST_F(CardOidTest, DisconnectedLinkReportsItsScanState) {
    StartOpen();
    Card().Disconnect(8);
    EXPECT_EQ(QueryWord(kConnectStatus), 1u);
    EXPECT_EQ(QueryWord(kScanState), 8u);
    Card().SetConnectStatus(2);
    EXPECT_EQ(QueryWord(kConnectStatus), 2u);
}

TEST_F(CardOidTest, SsidJoinsANetworkInRangeOrDropsTheLink) {
    StartOpen();
    ASSERT_EQ(Set(kSsid, SsidRecord("Orchard-Guest")).status, 0u);
    EXPECT_EQ(QueryWord(kConnectStatus), 0u);
    EXPECT_EQ(Card().Link().channel, 1);
    EXPECT_EQ(QueryWord(kLinkSpeed), 540000u);  // its fastest rate, 54 Mbit/s

    ASSERT_EQ(Set(kSsid, SsidRecord("Nowhere")).status, 0u);
    EXPECT_EQ(QueryWord(kConnectStatus), 1u);
    std::vector<BYTE> ssid(36);
    Query(kSsid, ssid);
    EXPECT_EQ(ssid, SsidRecord("Nowhere"));

    std::vector<BYTE> tooLong = SsidRecord("x");
    tooLong[0] = 33;
    EXPECT_EQ(Set(kSsid, tooLong).status, kInvalidData);
}

TEST_F(CardOidTest, RateListsAreInHalfMegabitUnits) {
    StartOpen();
    std::vector<BYTE> rates(8);
    Query(kTxRates, rates);
    EXPECT_EQ(rates, (std::vector<BYTE>{0x02, 0x04, 0x0B, 0x16, 0, 0, 0, 0}));
    EXPECT_EQ(Set(kTxRates, {0x0B, 0, 0, 0, 0, 0, 0, 0}).status, 0u);
    Query(kTxRates, rates);
    EXPECT_EQ(rates, (std::vector<BYTE>{0x0B, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Set(kTxRates, {0x6C, 0, 0, 0, 0, 0, 0, 0}).status, kInvalidData);  // 54 Mbit/s
    EXPECT_EQ(Set(kTxRates, std::vector<BYTE>(8)).status, kInvalidData);
}

TEST_F(CardOidTest, ConfigurationIsKeptAsSet) {
    StartOpen();
    std::vector<BYTE> record(32);
    record[0] = 32;
    record[4] = 200;
    record[12] = 0x18, record[13] = 0x91, record[14] = 0x25;  // 2462000 kHz
    record[20] = 7;
    ASSERT_EQ(Set(kConfiguration, record).status, 0u);
    std::vector<BYTE> read(32);
    Query(kConfiguration, read);
    EXPECT_EQ(read, record);
}

TEST_F(CardOidTest, KeyEntriesAreStoredAndSelectedForReading) {
    StartOpen();
    std::vector<BYTE> entry(48);
    entry[0] = 2;
    entry[20] = 0xAB;
    ASSERT_EQ(Set(kKeyEntry, entry).status, 0u);
    std::vector<BYTE> request(48);
    request[0] = 2;
    request[9] = 0xFF;
    ASSERT_EQ(Set(kKeyEntry, request).status, 0u);
    std::vector<BYTE> read(48);
    Query(kKeyEntry, read);
    EXPECT_EQ(read, entry);
    request[0] = 4;
    EXPECT_EQ(Set(kKeyEntry, request).status, kInvalidData);
}

TEST_F(CardOidTest, CardWithoutApModeFailsTheApQuery) {
    Scenario scenario = Scenario::Default();
    scenario.adapters[0].apModeSupported = false;
    scenario.adapters[0].apInfoMode = 2;
    StartOpen(scenario);
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kApMode, buffer).status, NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(QueryWord(kInfrastructure), 1u);
    std::vector<BYTE> info(20);
    Query(kApInfo, info);
    EXPECT_EQ(Word(info, 4), 2u);
    EXPECT_EQ(Word(info, 8), 6u);  // channel
}

TEST_F(CardOidTest, DriverReadsItsRegistryParametersWhenItLoads) {
    auto& registry = RegistryStore::Instance();
    registry.SetString(kParms, "PowerMode", "1");
    registry.SetString(kParms, "BssType", "2");
    registry.SetString(kParms, "Rate", "4");
    registry.SetString(kParms, "RtsThreshold", "1500");
    registry.SetString(kParms, "FragThreshold", "bogus");
    StartOpen();
    EXPECT_EQ(registry.GetString(kParms, "DriverVersion"), "2.5.0.17");  // written at install
    EXPECT_EQ(QueryWord(kPowerMode), 2u);  // interface 1 is driver value 2
    EXPECT_EQ(QueryWord(kInfrastructure), 0u);
    EXPECT_EQ(QueryWord(0xFFA0C00A), 1500u);
    EXPECT_EQ(QueryWord(0xFFA0C009), 2346u);  // not understood: the default stays
    std::vector<BYTE> rates(8);
    Query(kTxRates, rates);
    EXPECT_EQ(rates[0], 0x0B);
    EXPECT_EQ(rates[1], 0);
}

TEST_F(CardOidTest, StoredSsidAndRadioSurviveAReload) {
    StartOpen();
    RegistryStore::Instance().SetString(kParms, "Ssid", "Lighthouse");
    RegistryStore::Instance().SetString(kParms, "RadioOn", "0");
    CloseAdapterHandle(adapter);
    adapter = INVALID_ADAPTER_HANDLE;
    DeregisterDevice(DriverLibrary().registrationHandle);
    DriverLibrary() = DriverLibraryState{};

    OpenAdapter();
    EXPECT_EQ(QueryWord(kRadio), 0u);
    EXPECT_EQ(QueryWord(kConnectStatus), 1u);
    SetWord(kRadio, 1);
    EXPECT_EQ(QueryWord(kConnectStatus), 0u);
    EXPECT_EQ(Card().Link().ssid, "Lighthouse");
}
