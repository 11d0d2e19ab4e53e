// The card's OIDs: settings read back in the driver's own encodings, records, and the registry
// parameters the driver reads when it loads.
#include "sim_fixture.h"

namespace {

constexpr const char* kParms = "Comm\\KESTREL1\\Parms";

// A set and what reads back after it: the payload, or the old value when the set is refused.
struct Setting {
    DWORD oid;
    std::vector<BYTE> payload;
    DWORD status = 0;   // the set's answer
    DWORD readOid = 0;  // where the value reads back; 0: the same OID
};

Setting WordSet(DWORD oid, DWORD value, DWORD status = 0) {
    return {oid, Le32Bytes(value), status};
}

std::vector<BYTE> ConfigurationRecord() {
    std::vector<BYTE> record(32);
    record[0] = 32;
    record[4] = 200;
    record[12] = 0x18, record[13] = 0x91, record[14] = 0x25;  // 2462000 kHz
    record[20] = 7;
    return record;
}

std::vector<BYTE> OverlongSsid() {
    std::vector<BYTE> record = SsidRecord("x");
    record[0] = 33;
    return record;
}

}  // namespace

using CardOidTest = SimTest;
class SettingTest : public SimTest, public ::testing::WithParamInterface<Setting> {};

TEST_P(SettingTest, SetValueIsReadBackOrRefusedLeavingTheOldOne) {
    StartOpen();
    const Setting& setting = GetParam();
    DWORD readOid = setting.readOid ? setting.readOid : setting.oid;
    std::vector<BYTE> before(setting.payload.size()), after(setting.payload.size());
    ASSERT_EQ(Query(readOid, before).status, 0u);
    EXPECT_EQ(Set(setting.oid, setting.payload).status, setting.status);
    ASSERT_EQ(Query(readOid, after).status, 0u);
    EXPECT_EQ(after, setting.status == 0 ? setting.payload : before);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingTest,
    ::testing::Values(
        WordSet(kInfrastructureMode, 0), WordSet(0xFFA0C009, 1024), WordSet(0xFFA0C00A, 500),
        WordSet(0xFFA0C00C, 0xFFFFFFFF), WordSet(kPowerMode, 1), WordSet(0xFFA0C017, 2),
        WordSet(0xFFA0C502, 1), WordSet(0xFFA0C50B, 3), WordSet(kApMode, 2),
        WordSet(kRadioState, 0), WordSet(kNetworkTypeInUse, 3),
        WordSet(kPowerMode, 3, kInvalidData), WordSet(0xFFA0C00C, 2, kInvalidData),
        WordSet(kApMode, 0, kInvalidData), WordSet(kRadioState, 2, kInvalidData),
        WordSet(0xFFA0C009, 100, kInvalidData),
        Setting{kWepDisable, Le32Bytes(0), 0, kWepStatus},    // enabled reads as 0, off as 1
        Setting{kDesiredRates, {0x0B, 0, 0, 0, 0, 0, 0, 0}},  // half-megabit units: 5.5 Mbit/s
        Setting{kDesiredRates, {0x6C, 0, 0, 0, 0, 0, 0, 0}, kInvalidData},  // 54 Mbit/s
        Setting{kDesiredRates, std::vector<BYTE>(8), kInvalidData},
        Setting{kConfiguration, ConfigurationRecord()},
        Setting{kSsid, OverlongSsid(), kInvalidData}));

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

// The utility shows only the access-point mode of the record (the status tests check it).
TEST_F(CardOidTest, AccessPointRecordNamesTheChannel) {
    StartOpen();
    std::vector<BYTE> info(20);
    ASSERT_EQ(Query(kApInfo, info).status, 0u);
    EXPECT_EQ(Word(info, 8), 6u);
}

TEST_F(CardOidTest, DriverReadsItsRegistryParametersWhenItLoads) {
    auto& registry = RegistryStore::Instance();
    registry.SetString(kParms, "PowerMode", "1");
    registry.SetString(kParms, "BssType", "2");
    registry.SetString(kParms, "Rate", "4");
    registry.SetString(kParms, "RtsThreshold", "1500");
    registry.SetString(kParms, "FragThreshold", "bogus");
    registry.SetString(kParms, "Ssid", "Lighthouse");
    registry.SetString(kParms, "RadioOn", "0");
    StartOpen();
    EXPECT_EQ(registry.GetString(kParms, "DriverVersion"), "2.5.0.17");  // written at install
    EXPECT_EQ(QueryWord(kVendorDriverVersion), 0x00020005u);             // from that text
    std::vector<BYTE> configuration(32);
    Query(kConfiguration, configuration);
    EXPECT_EQ(Word(configuration, 12), 2462000u);  // the stored network's channel
    EXPECT_EQ(QueryWord(kPowerMode), 2u);          // interface 1 is driver value 2
    EXPECT_EQ(QueryWord(kInfrastructureMode), 0u);
    EXPECT_EQ(QueryWord(0xFFA0C00A), 1500u);
    EXPECT_EQ(QueryWord(0xFFA0C009), 2346u);  // not understood: the default stays
    std::vector<BYTE> rates(8);
    Query(kDesiredRates, rates);
    EXPECT_EQ(rates[0], 0x0B);
    EXPECT_EQ(rates[1], 0);
    EXPECT_EQ(QueryWord(kRadioState), 0u);
    EXPECT_EQ(QueryWord(kMediaConnectStatus), 1u);
    SetWord(kRadioState, 1);
    EXPECT_EQ(QueryWord(kMediaConnectStatus), 0u);
    EXPECT_EQ(Card().WithCard([](CardModel& m) { return m.Link(); }).ssid, "Lighthouse");
}
