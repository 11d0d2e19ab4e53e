// The card's OIDs: settings read back in the driver's own encodings, records, and the registry
// parameters the driver reads when it loads.
#include "platform/core/text.h"
#include "sim_fixture.h"

namespace {

constexpr DWORD kLinkSpeed = 0x00010107;
constexpr DWORD kConnectStatus = 0x00010114;
constexpr DWORD kVendorVersion = 0x00010116;
constexpr DWORD kBssid = 0xFFA0C001;
constexpr DWORD kSsid = 0xFFA0C002;
constexpr DWORD kRssi = 0xFFA0C006;
constexpr DWORD kInfrastructure = 0xFFA0C008;
constexpr DWORD kTxRates = 0xFFA0C00F;
constexpr DWORD kConfiguration = 0xFFA0C010;
constexpr DWORD kPowerMode = 0xFFA0C015;
constexpr DWORD kWepStatus = 0xFFA0C01A;
constexpr DWORD kWepDisable = 0xFFA0C01C;
constexpr DWORD kKeyEntry = 0xFFA0C505;
constexpr DWORD kScanState = 0xFFA0C50A;
constexpr DWORD kApMode = 0xFFA0C511;
constexpr DWORD kApInfo = 0xFFA0C512;
constexpr DWORD kRadio = 0xFFA0C516;
constexpr const char* kParms = "Comm\\KESTREL1\\Parms";

std::vector<BYTE> SsidRecord(const std::string& ssid) {
    std::vector<BYTE> record(36);
    record[0] = static_cast<BYTE>(ssid.size());
    std::copy(ssid.begin(), ssid.end(), record.begin() + 4);
    return record;
}

struct WordSetting {
    DWORD oid;
    DWORD value;
};

}  // namespace

using CardOidTest = SimTest;

class WordSettingTest : public SimTest, public ::testing::WithParamInterface<WordSetting> {};

TEST_P(WordSettingTest, SetValueIsReadBack) {
    Start();
    OpenAdapter();
    ASSERT_EQ(SetWord(GetParam().oid, GetParam().value).status, 0u);
    EXPECT_EQ(QueryWord(GetParam().oid), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Settings, WordSettingTest,
                         ::testing::Values(WordSetting{0xFFA0C008, 0},
                                           WordSetting{0xFFA0C009, 1024},
                                           WordSetting{0xFFA0C00A, 500},
                                           WordSetting{0xFFA0C00C, 0xFFFFFFFF},
                                           WordSetting{0xFFA0C015, 1}, WordSetting{0xFFA0C017, 2},
                                           WordSetting{0xFFA0C502, 1}, WordSetting{0xFFA0C50B, 3},
                                           WordSetting{0xFFA0C511, 2}, WordSetting{0xFFA0C516, 0},
                                           WordSetting{0x0D010204, 3}));

TEST_F(CardOidTest, ValuesTheDriverDoesNotKnowAreRefused) {
    Start();
    OpenAdapter();
    for (auto [oid, value] :
         {std::pair{kPowerMode, 3u}, std::pair{0xFFA0C00Cu, 2u}, std::pair{kApMode, 0u},
          std::pair{kRadio, 2u}, std::pair{0xFFA0C009u, 100u}}) {
        EXPECT_EQ(SetWord(oid, value).status, 0xC0010015u) << std::hex << oid;
    }
    EXPECT_EQ(QueryWord(kPowerMode), 0u);
}

TEST_F(CardOidTest, WepEnableIsInverted) {
    Start();
    OpenAdapter();
    EXPECT_EQ(QueryWord(kWepStatus), 1u);  // off
    SetWord(kWepDisable, 0);
    EXPECT_EQ(QueryWord(kWepStatus), 0u);
    SetWord(kWepDisable, 1);
    EXPECT_EQ(QueryWord(kWepStatus), 1u);
}

TEST_F(CardOidTest, LinkStateOfTheDefaultScenario) {
    Start();
    OpenAdapter();
    EXPECT_EQ(QueryWord(kConnectStatus), 0u);
    EXPECT_EQ(QueryWord(kLinkSpeed), 110000u);
    EXPECT_EQ(QueryWord(kVendorVersion), 0x00020005u);
    std::vector<BYTE> ssid(36);
    Query(kSsid, ssid);
    EXPECT_EQ(ssid, SsidRecord("Harbor"));
    std::vector<BYTE> bssid(6);
    Query(kBssid, bssid);
    EXPECT_EQ(bssid, (std::vector<BYTE>{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}));
    auto dbm = static_cast<LONG>(QueryWord(kRssi));
    EXPECT_GE(dbm, -58);
    EXPECT_LE(dbm, -50);
    std::vector<BYTE> configuration(32);
    Query(kConfiguration, configuration);
    EXPECT_EQ(Word(configuration, 0), 32u);
    EXPECT_EQ(Word(configuration, 12), 2437000u);
}

TEST_F(CardOidTest, DisconnectedLinkReportsItsScanState) {
    Start();
    OpenAdapter();
    Card().Disconnect(8);
    EXPECT_EQ(QueryWord(kConnectStatus), 1u);
    EXPECT_EQ(QueryWord(kScanState), 8u);
    EXPECT_EQ(QueryWord(kLinkSpeed), 0u);
    Card().SetConnectStatus(2);
    EXPECT_EQ(QueryWord(kConnectStatus), 2u);
}

TEST_F(CardOidTest, SsidJoinsANetworkInRangeOrDropsTheLink) {
    Start();
    OpenAdapter();
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
    EXPECT_EQ(Set(kSsid, tooLong).status, 0xC0010015u);
}

TEST_F(CardOidTest, RadioOffDropsTheLinkUntilSwitchedOn) {
    Start();
    OpenAdapter();
    SetWord(kRadio, 0);
    EXPECT_EQ(QueryWord(kConnectStatus), 1u);
    EXPECT_EQ(static_cast<LONG>(QueryWord(kRssi)), -100);
    SetWord(kRadio, 1);
    EXPECT_EQ(QueryWord(kConnectStatus), 0u);
}

TEST_F(CardOidTest, RateListsAreInHalfMegabitUnits) {
    Start();
    OpenAdapter();
    std::vector<BYTE> rates(8);
    Query(kTxRates, rates);
    EXPECT_EQ(rates, (std::vector<BYTE>{0x02, 0x04, 0x0B, 0x16, 0, 0, 0, 0}));
    EXPECT_EQ(Set(kTxRates, {0x0B, 0, 0, 0, 0, 0, 0, 0}).status, 0u);
    Query(kTxRates, rates);
    EXPECT_EQ(rates, (std::vector<BYTE>{0x0B, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Set(kTxRates, {0x6C, 0, 0, 0, 0, 0, 0, 0}).status, 0xC0010015u);  // 54 Mbit/s
    EXPECT_EQ(Set(kTxRates, std::vector<BYTE>(8)).status, 0xC0010015u);
}

TEST_F(CardOidTest, ConfigurationIsKeptAsSet) {
    Start();
    OpenAdapter();
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
    Start();
    OpenAdapter();
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
    EXPECT_EQ(Set(kKeyEntry, request).status, 0xC0010015u);
}

TEST_F(CardOidTest, CardWithoutApModeFailsTheApQuery) {
    Scenario scenario = Scenario::Default();
    scenario.adapters[0].apModeSupported = false;
    scenario.adapters[0].apInfoMode = 2;
    Start(scenario);
    OpenAdapter();
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kApMode, buffer).status, NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(QueryWord(kInfrastructure), 1u);
    std::vector<BYTE> info(20);
    Query(kApInfo, info);
    EXPECT_EQ(Word(info, 4), 2u);
    EXPECT_EQ(Word(info, 8), 6u);  // channel
}

TEST_F(CardOidTest, InstallationWritesTheDriverVersion) {
    Start();
    EXPECT_EQ(RegistryStore::Instance().GetString(kParms, "DriverVersion"), "2.5.0.17");
}

TEST_F(CardOidTest, DriverReadsItsRegistryParametersWhenItLoads) {
    auto& registry = RegistryStore::Instance();
    registry.SetString(kParms, "PowerMode", "1");
    registry.SetString(kParms, "RadioOn", "1");
    registry.SetString(kParms, "Channel", "11");
    registry.SetString(kParms, "BssType", "2");
    registry.SetString(kParms, "Rate", "4");
    registry.SetString(kParms, "RtsThreshold", "1500");
    registry.SetString(kParms, "FragThreshold", "bogus");
    registry.SetString(kParms, "RxAntennaNumber", "-1");
    Start();
    OpenAdapter();
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
    Start();
    OpenAdapter();
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

TEST_F(CardOidTest, RequestLogKeepsOnlyTheMostRecentRequests) {
    Start();
    SimCard& card = Card();
    for (DWORD i = 0; i < 5000; ++i) card.Submit(OidCall{0, 0xFFA0C000 + (i % 7), 4, {}});
    card.Submit(OidCall{0, kLinkSpeed, 4, {}});
    auto requests = card.Requests();
    ASSERT_EQ(requests.size(), 4096u);
    EXPECT_EQ(requests.back().oid, kLinkSpeed);
    EXPECT_EQ(requests.front().oid, 0xFFA0C000 + (5001 - 4096) % 7);
}
