// Identity, link state, network type, rates, radio settings and security, as the card answers.
#include <climits>
#include <functional>
#include <string>

#include "adapter/oid_codes.h"
#include "adapter_fixture.h"

namespace {

// A driver reply and what the getter makes of it.
struct Conversion {
    const char* name;
    DWORD oid;
    Bytes reply;
    std::function<int(OidAdapter&, std::string&)> get;
    std::string expected;  // output as text after the call
};

class ConversionTest : public AdapterTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(ConversionTest, ConvertsTheDriverValue) {
    Reply(GetParam().oid, GetParam().reply);
    std::string shown;
    EXPECT_EQ(GetParam().get(*adapter, shown), 1);
    EXPECT_EQ(shown, GetParam().expected);
}

// Runs an int getter from the preset 7 and shows the output.
std::function<int(OidAdapter&, std::string&)> IntGetter(int (OidAdapter::*get)(int&)) {
    return [get](OidAdapter& a, std::string& shown) {
        int value = 7;
        int result = (a.*get)(value);
        shown = std::to_string(value);
        return result;
    };
}

std::function<int(OidAdapter&, std::string&)> TextGetter(int (OidAdapter::*get)(std::string&)) {
    return [get](OidAdapter& a, std::string& shown) {
        shown = "keep";
        return (a.*get)(shown);
    };
}

Bytes SsidReply(DWORD length, char fill) { return Concat({Le32(length), Bytes(32, BYTE(fill))}); }
Bytes Rates(std::initializer_list<BYTE> units) {
    Bytes list(units);
    list.resize(8, 0);
    return list;
}

using C = Conversion;
const auto Speed = TextGetter(&OidAdapter::GetLinkSpeedText);
const auto Ssid = TextGetter(&OidAdapter::GetSsid);
const auto Signal = IntGetter(&OidAdapter::GetSignalStrength);
const auto TxRate = IntGetter(&OidAdapter::GetTxRate);
const auto Power = IntGetter(&OidAdapter::GetPowerMode);
const auto Antenna = IntGetter(&OidAdapter::GetRxAntenna);
const auto Wep = IntGetter(&OidAdapter::GetWepStatus);
const auto Auth = IntGetter(&OidAdapter::GetAuthType);
constexpr DWORD RATES = OID_PRIV_DESIRED_RATES;

INSTANTIATE_TEST_SUITE_P(
    Replies, ConversionTest,
    ::testing::Values(C{"Speed1", OID_GEN_LINK_SPEED, Le32(10000), Speed, "1 Mbps"},
                      C{"Speed5", OID_GEN_LINK_SPEED, Le32(55000), Speed, "5.5 Mbps"},
                      C{"Speed54", OID_GEN_LINK_SPEED, Le32(540000), Speed, "keep"},
                      C{"Dbm90", OID_PRIV_RSSI, Le32(DWORD(-90)), Signal, "1"},
                      C{"Dbm81", OID_PRIV_RSSI, Le32(DWORD(-81)), Signal, "1"},
                      C{"Dbm79", OID_PRIV_RSSI, Le32(DWORD(-79)), Signal, "2"},
                      C{"Dbm60", OID_PRIV_RSSI, Le32(DWORD(-60)), Signal, "50"},
                      C{"Dbm40", OID_PRIV_RSSI, Le32(DWORD(-40)), Signal, "100"},
                      C{"Dbm20", OID_PRIV_RSSI, Le32(DWORD(-20)), Signal, "100"},
                      C{"DbmMin", OID_PRIV_RSSI, Le32(DWORD(INT_MIN)), Signal, "1"},
                      C{"RatesAll", RATES, Rates({2, 4, 11, 22}), TxRate, "0"},
                      C{"Rates2", RATES, Rates({2, 4}), TxRate, "2"},
                      C{"Rate55", RATES, Rates({11}), TxRate, "3"},
                      C{"RatesAfterEnd", RATES, Rates({2, 0, 22}), TxRate, "1"},
                      C{"RatesNone", RATES, Rates({}), TxRate, "7"},
                      C{"PowerFast", OID_PRIV_POWER_MODE, Le32(1), Power, "2"},
                      C{"PowerMax", OID_PRIV_POWER_MODE, Le32(0x302), Power, "1"},
                      C{"PowerOdd", OID_PRIV_POWER_MODE, Le32(3), Power, "7"},
                      C{"AntennaBoth", OID_PRIV_RX_ANTENNA, Le32(0xFFFFFFFF), Antenna, "2"},
                      C{"WepOn", OID_PRIV_WEP_STATUS, Le32(0), Wep, "1"},
                      C{"WepOff", OID_PRIV_WEP_STATUS, Le32(2), Wep, "0"},
                      C{"WepUnknown", OID_PRIV_WEP_STATUS, Le32(3), Wep, "-1"},
                      C{"AuthUnknown", OID_PRIV_AUTH_MODE, Le32(9), Auth, "-1"},
                      C{"SsidEmpty", OID_PRIV_SSID, SsidReply(0, 'a'), Ssid, ""},
                      C{"Ssid32", OID_PRIV_SSID, SsidReply(32, 'b'), Ssid, std::string(32, 'b')},
                      C{"SsidTooLong", OID_PRIV_SSID, SsidReply(300, 'c'), Ssid,
                        std::string(32, 'c')},
                      C{"SsidAnsi", OID_PRIV_SSID, Concat({Le32(2), {0xE9, 'x'}, Bytes(30, 0)}),
                        Ssid, "\xC3\xA9x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdapterTest, LinkStateOfTheScenario) {
    std::string mac, ssid, bssid, speed;
    int state = 9, percent = 0, type = 9;
    EXPECT_EQ(adapter->GetMacAddress(mac), 1);
    EXPECT_EQ(adapter->GetSsid(ssid), 1);
    EXPECT_EQ(adapter->GetBssidText(bssid), 1);
    EXPECT_EQ(adapter->GetConnectStatus(state), 1);
    EXPECT_EQ(adapter->GetLinkSpeedText(speed), 1);
    EXPECT_EQ(adapter->GetSignalStrength(percent), 1);
    EXPECT_EQ(adapter->GetBssType(type), 8);
    EXPECT_EQ(mac, "00-0A-0B-1C-2D-3E");
    EXPECT_EQ(ssid, "home");
    EXPECT_EQ(bssid, "00-11-22-33-44-55");
    EXPECT_EQ(state, 0);
    EXPECT_EQ(speed, "11 Mbps");
    EXPECT_EQ(type, 0);
}

TEST_F(AdapterTest, ScanStateTexts) {
    std::string text;
    int code = -1;
    for (DWORD scan : {0u, 5u, 1u}) {
        card->Disconnect(scan);
        EXPECT_EQ(adapter->GetScanState(text, code), 1);
        EXPECT_EQ(code, int(scan));
        EXPECT_EQ(text, scan == 1 ? "Disconnected. Scanning..." : "Disconnected.");
    }
}

TEST_F(AdapterTest, CheckedGetterKeepsItsOutputWhenTheDriverFails) {
    Refuse(OID_PRIV_POWER_MODE);
    Refuse(OID_PRIV_RTS_THRESHOLD);
    int mode = 7, threshold = 7;
    EXPECT_EQ(adapter->GetPowerMode(mode), 0);
    EXPECT_EQ(adapter->GetRtsThreshold(threshold), 1);  // unchecked: succeeds, output kept
    EXPECT_EQ(mode, 7);
    EXPECT_EQ(threshold, 7);
}

struct RateChoice {
    int choice;
    Bytes payload;
    const char* stored;
};

class SetTxRateTest : public AdapterTest, public ::testing::WithParamInterface<RateChoice> {};

TEST_P(SetTxRateTest, SendsTheRateListAndStoresTheMask) {
    EXPECT_EQ(adapter->SetTxRate(GetParam().choice), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_DESIRED_RATES), GetParam().payload);
    EXPECT_EQ(Stored("Rate"), GetParam().stored);
    int rate = -1;
    EXPECT_EQ(adapter->GetTxRate(rate), 1);
    EXPECT_EQ(rate, GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(Choices, SetTxRateTest,
                         ::testing::Values(RateChoice{0, Rates({2, 4, 11, 22}), "15"},
                                           RateChoice{1, Rates({2}), "1"},
                                           RateChoice{3, Rates({11}), "4"},
                                           RateChoice{4, Rates({22}), "8"}));

TEST_F(AdapterTest, SettersRejectValuesOutsideTheirTables) {
    EXPECT_EQ(adapter->SetTxRate(5), 0);
    EXPECT_EQ(adapter->SetBssType(3), 0);
    EXPECT_EQ(adapter->SetPowerMode(3), 0);
    EXPECT_EQ(adapter->SetAuthType(-1), 0);
    EXPECT_EQ(adapter->SetRxAntenna(3), 0);
    EXPECT_EQ(adapter->SetConfiguration(NdisConfiguration{}, 165, 0), 0);
    EXPECT_TRUE(card->Requests().empty());
    EXPECT_EQ(messages, std::vector<std::string>{"Wrong input at SetRxAntenna()"});
}

TEST_F(AdapterTest, SetBssTypePayloadsAndRegistry) {
    EXPECT_EQ(adapter->SetBssType(1), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_AP_MODE), Le32(1));
    EXPECT_EQ(SetPayload(OID_PRIV_INFRASTRUCTURE), Le32(0));
    EXPECT_EQ(Stored("BssType"), "2");
    EXPECT_EQ(Stored("DeviceType"), "1");
    int type = 9;
    EXPECT_EQ(adapter->GetBssType(type), 8);
    EXPECT_EQ(type, 1);
    card->ClearRequests();
    EXPECT_EQ(adapter->SetBssType(2), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_AP_MODE), Le32(2));
    EXPECT_EQ(SetPayload(OID_PRIV_INFRASTRUCTURE), Le32(1));
    EXPECT_EQ(Stored("BssType"), "1");
    EXPECT_EQ(Stored("DeviceType"), "2");
    EXPECT_EQ(adapter->GetBssType(type), 2);
    EXPECT_EQ(type, 2);
}

TEST_F(AdapterTest, SetBssTypeWhoseSecondSetFailsStoresNothing) {
    Refuse(OID_PRIV_INFRASTRUCTURE, RequestMatch::Set);
    EXPECT_EQ(adapter->SetBssType(2), 0);
    EXPECT_EQ(card->Settings().apMode, 2u);  // the first set stays in effect
    EXPECT_FALSE(Stored("BssType"));
    EXPECT_FALSE(Stored("DeviceType"));
}

TEST_F(AdapterTest, SetBssTypeReportsARefusedRegistryWrite) {
    RegistryStore::Instance().SetWriteFailure(ERROR_ACCESS_DENIED);
    EXPECT_EQ(adapter->SetBssType(0), 1);
    EXPECT_EQ(messages, (std::vector<std::string>{"registry BssType can't be set, code:5",
                                                  "registry DeviceType can't be set, code:5"}));
}

// A setter, its OID, the value it sends and the registry text it stores.
struct Setting {
    const char* name;
    std::function<int(OidAdapter&)> set;
    DWORD oid;
    DWORD sent;
    const char* registryName;  // null: nothing stored
    const char* stored;
};

class SettingTest : public AdapterTest, public ::testing::WithParamInterface<Setting> {};

TEST_P(SettingTest, SendsAndStores) {
    EXPECT_EQ(GetParam().set(*adapter), 1);
    EXPECT_EQ(SetPayload(GetParam().oid), Le32(GetParam().sent));
    if (GetParam().registryName != nullptr) {
        EXPECT_EQ(Stored(GetParam().registryName), GetParam().stored);
    }
}

TEST_P(SettingTest, RefusedSetStoresNothing) {
    Refuse(GetParam().oid);
    EXPECT_EQ(GetParam().set(*adapter), 0);
    if (GetParam().registryName != nullptr) {
        EXPECT_FALSE(Stored(GetParam().registryName));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingTest,
    ::testing::Values(Setting{"PowerFast", [](OidAdapter& a) { return a.SetPowerMode(1); },
                              OID_PRIV_POWER_MODE, 2, "PowerMode", "1"},
                      Setting{"PowerMax", [](OidAdapter& a) { return a.SetPowerMode(2); },
                              OID_PRIV_POWER_MODE, 1, "PowerMode", "2"},
                      Setting{"AntennaBoth", [](OidAdapter& a) { return a.SetRxAntenna(2); },
                              OID_PRIV_RX_ANTENNA, 0xFFFFFFFF, "RxAntennaNumber", "-1"},
                      Setting{"Rts", [](OidAdapter& a) { return a.SetRtsThreshold(2347); },
                              OID_PRIV_RTS_THRESHOLD, 2347, "RtsThreshold", "2347"},
                      Setting{"Frag", [](OidAdapter& a) { return a.SetFragThreshold(512); },
                              OID_PRIV_FRAG_THRESHOLD, 512, "FragThreshold", "512"},
                      Setting{"Preamble", [](OidAdapter& a) { return a.SetPreambleType(1); },
                              OID_PRIV_PREAMBLE, 1, "PreambleType", "1"},
                      Setting{"Environment",
                              [](OidAdapter& a) { return a.SetEnvironmentCondition(3); },
                              OID_PRIV_ENVIRONMENT, 3, "EnvironmentCondition", "3"},
                      Setting{"Auth", [](OidAdapter& a) { return a.SetAuthType(2); },
                              OID_PRIV_AUTH_MODE, 2, "AuthType", "2"},
                      Setting{"WepOn", [](OidAdapter& a) { return a.SetWepEnabled(5); },
                              OID_PRIV_WEP_ENABLE, 0, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdapterTest, StoredSettingsSurviveADriverReload) {
    EXPECT_EQ(adapter->SetPowerMode(2), 1);
    EXPECT_EQ(adapter->SetTxRate(3), 1);
    EXPECT_EQ(adapter->SetSsid("office", 1), 1);
    Load();
    int mode = -1, rate = -1;
    std::string ssid;
    EXPECT_EQ(adapter->GetPowerMode(mode), 1);
    EXPECT_EQ(adapter->GetTxRate(rate), 1);
    EXPECT_EQ(adapter->GetSsid(ssid), 1);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(rate, 3);
    EXPECT_EQ(ssid, "office");
}

TEST_F(AdapterTest, SetConfigurationUsesTheChannelOrTheRecord) {
    NdisConfiguration config{0, 100, 2, 2484000, {1, 2, 3, 4}};
    EXPECT_EQ(adapter->SetConfiguration(config, 6, 200), 1);
    NdisConfiguration sent{32, 200, 2, 2437000, {}};
    const BYTE* raw = reinterpret_cast<const BYTE*>(&sent);
    EXPECT_EQ(SetPayload(OID_PRIV_CONFIGURATION), Bytes(raw, raw + sizeof sent));
    EXPECT_EQ(Stored("IbssChannel"), "6");
    EXPECT_EQ(adapter->SetConfiguration(config, 0, 0), 1);
    EXPECT_EQ(Stored("IbssChannel"), "14");
    config.dsConfig = 5745000;  // not among the 14 channels the IBSS search covers
    EXPECT_EQ(adapter->SetConfiguration(config, 0, 0), 1);
    EXPECT_EQ(Stored("IbssChannel"), "0");
}

TEST_F(AdapterTest, WepKeyTextRequests) {
    std::string reply = "old";
    EXPECT_EQ(adapter->SetWepKeyText("0a1B2c", 2, reply), 1);
    Bytes expected = Concat({{0x0A, 0x1B}, Bytes(14, 0), {0x00}});
    EXPECT_EQ(SetPayload(OID_PRIV_WEP_KEY), expected);
    EXPECT_EQ(reply, "0a1b" + std::string(28, '0'));
    card->ClearRequests();
    EXPECT_EQ(adapter->GetWepKeyText("ffff", 3, reply), 1);
    EXPECT_EQ(SetPayload(OID_PRIV_WEP_KEY), Concat({{0xFF, 0xFF}, Bytes(14, 0), {0x01}}));
    EXPECT_EQ(reply, "0a1b00");
}

TEST_F(AdapterTest, KeyEntryReadSendsIndexAndMarker) {
    KeyEntry entry{};
    entry.fill(0xEE);
    EXPECT_EQ(adapter->GetKeyEntry(3, entry), 1);
    Bytes expected(48, 0);
    expected[0] = 3;
    expected[9] = 0xFF;
    EXPECT_EQ(SetPayload(OID_PRIV_KEY_ENTRY), expected);
    EXPECT_EQ(Received(OID_PRIV_KEY_ENTRY, 0).size(), 1u);
}

}  // namespace
