// Identity, link state, network type, rates, radio settings and security, as the card answers.
#include <functional>
#include <string>
#include <tuple>

#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "adapter_fixture.h"

namespace {

// A driver reply and what an int getter makes of it from the preset 7.
struct Conversion {
    const char* name;
    DWORD oid;
    DWORD reply;
    int (OidAdapter::*get)(int&);
    int expected;
};

class ConversionTest : public AdapterTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(ConversionTest, ConvertsTheDriverValue) {
    Reply(GetParam().oid, Le32(GetParam().reply));
    int value = 7;
    EXPECT_EQ(((*adapter).*GetParam().get)(value), 1);
    EXPECT_EQ(value, GetParam().expected);
}

Bytes Rates(std::initializer_list<BYTE> units) {
    Bytes list(units);
    list.resize(8, 0);
    return list;
}

using C = Conversion;
using A = OidAdapter;
constexpr DWORD POWER = OID_PRIV_POWER_MODE, WEP = OID_PRIV_WEP_STATUS;

// Link speed, signal, SSID, rates and the driver version are what the ad_status_*,
// ad_profile_rates and ad_about_* scripts show.
INSTANTIATE_TEST_SUITE_P(
    Replies, ConversionTest,
    ::testing::Values(C{"PowerFast", POWER, 1, &A::GetPowerMode, 2},
                      C{"PowerMax", POWER, 0x302, &A::GetPowerMode, 1},
                      C{"PowerOdd", POWER, 3, &A::GetPowerMode, 7},
                      C{"AntennaBoth", OID_PRIV_RX_ANTENNA, 0xFFFFFFFF, &A::GetRxAntenna, 2},
                      C{"WepOn", WEP, 0, &A::GetWepStatus, 1},
                      C{"WepOff", WEP, 2, &A::GetWepStatus, 0},
                      C{"WepUnknown", WEP, 3, &A::GetWepStatus, -1},
                      C{"AuthUnknown", OID_PRIV_AUTH_TYPE, 9, &A::GetAuthType, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdapterTest, FailedGettersKeepTheirOutput) {
    Refuse(OID_PRIV_POWER_MODE);
    Refuse(OID_PRIV_RTS_THRESHOLD);
    Refuse(OID_PRIV_MAC_REGISTER, RequestMatch::Query);
    Refuse(OID_PRIV_EEPROM, RequestMatch::Set);
    Refuse(OID_PRIV_BASEBAND_REGISTER, RequestMatch::Query);
    int mode = 7, threshold = 7;
    DWORD value = 7;
    WORD word = 7;
    BYTE byte = 7;
    EXPECT_EQ(adapter->GetPowerMode(mode), 0);
    EXPECT_EQ(adapter->GetRtsThreshold(threshold), 1);  // unchecked: succeeds, output kept
    EXPECT_EQ(adapter->ReadMacRegister(0x10, value), 0);
    EXPECT_EQ(adapter->ReadEepromWord(1, word), 0);
    EXPECT_EQ(adapter->ReadBbRegister(1, byte), 0);
    EXPECT_EQ(std::tuple(mode, threshold, value, word, byte),
              std::tuple(7, 7, DWORD{7}, WORD{7}, BYTE{7}));
}

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
    struct Case {
        int type;
        DWORD apMode, infrastructure;
        const char *bssType, *deviceType;
        int getResult;
    };
    for (Case c : {Case{1, 1, 0, "2", "1", 8}, Case{2, 2, 1, "1", "2", 2}}) {
        card->ClearRequests();
        EXPECT_EQ(adapter->SetBssType(c.type), 1);
        EXPECT_EQ(SetPayload(OID_PRIV_AP_MODE), Le32(c.apMode));
        EXPECT_EQ(SetPayload(OID_PRIV_INFRASTRUCTURE_MODE), Le32(c.infrastructure));
        EXPECT_EQ(Stored("BssType"), c.bssType);
        EXPECT_EQ(Stored("DeviceType"), c.deviceType);
        int type = 9;
        EXPECT_EQ(adapter->GetBssType(type), c.getResult);
        EXPECT_EQ(type, c.type);
    }
}

// An operation, the one set request it makes and the registry text it stores.
struct Operation {
    const char* name;
    std::function<int(OidAdapter&)> run;
    DWORD oid;
    Bytes payload;
    const char* registryName = nullptr;  // null: not checked
    const char* stored = nullptr;        // null: nothing stored
};

class OperationTest : public AdapterTest, public ::testing::WithParamInterface<Operation> {
  protected:
    std::optional<std::string> Expected() const {
        return GetParam().stored ? std::optional<std::string>(GetParam().stored) : std::nullopt;
    }
};

TEST_P(OperationTest, SendsAndStores) {
    EXPECT_EQ(GetParam().run(*adapter), 1);
    EXPECT_EQ(SetPayload(GetParam().oid), GetParam().payload);
    if (GetParam().registryName) {
        EXPECT_EQ(Stored(GetParam().registryName), Expected());
    }
}

class RefusedSettingTest : public OperationTest {};

TEST_P(RefusedSettingTest, StoresNothing) {
    Refuse(GetParam().oid);
    EXPECT_EQ(GetParam().run(*adapter), 0);
    EXPECT_FALSE(Stored(GetParam().registryName));
}

using O = Operation;

std::function<int(A&)> Call(int (A::*set)(int), int value) {
    return [set, value](A& a) { return (a.*set)(value); };
}

const std::vector<Operation> kSettings = {
    O{"PowerFast", Call(&A::SetPowerMode, 1), OID_PRIV_POWER_MODE, Le32(2), "PowerMode", "1"},
    O{"PowerMax", Call(&A::SetPowerMode, 2), OID_PRIV_POWER_MODE, Le32(1), "PowerMode", "2"},
    O{"AntennaBoth", Call(&A::SetRxAntenna, 2), OID_PRIV_RX_ANTENNA, Le32(~0u), "RxAntennaNumber",
      "-1"},
    O{"Rts", Call(&A::SetRtsThreshold, 2347), OID_PRIV_RTS_THRESHOLD, Le32(2347), "RtsThreshold",
      "2347"},
    O{"Frag", Call(&A::SetFragThreshold, 512), OID_PRIV_FRAG_THRESHOLD, Le32(512), "FragThreshold",
      "512"},
    O{"Preamble", Call(&A::SetPreambleType, 1), OID_PRIV_PREAMBLE_TYPE, Le32(1), "PreambleType",
      "1"},
    O{"Environment", Call(&A::SetEnvironmentCondition, 3), OID_PRIV_ENVIRONMENT, Le32(3),
      "EnvironmentCondition", "3"},
    O{"Rate1", Call(&A::SetTxRate, 1), OID_PRIV_DESIRED_RATES, Rates({2}), "Rate", "1"},
    O{"Rate55", Call(&A::SetTxRate, 3), OID_PRIV_DESIRED_RATES, Rates({11}), "Rate", "4"},
    O{"Rate11", Call(&A::SetTxRate, 4), OID_PRIV_DESIRED_RATES, Rates({22}), "Rate", "8"},
    O{"SsidCut", [](A& a) { return a.SetSsid(std::string(40, 'x'), 1); }, OID_PRIV_SSID,
      Concat({Le32(32), Bytes(32, 'x')}), "Ssid", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
    O{"SsidNotPersisted", [](A& a) { return a.SetSsid("abc", 0); }, OID_PRIV_SSID,
      Concat({Le32(3), {0x61, 0x62, 0x63}, Bytes(29, 0)}), "Ssid"}};

// What a key entry read sends: the index and the 0xFF marker.
Bytes KeyEntryRead() {
    Bytes bytes(48, 0);
    bytes[0] = 3;
    bytes[9] = 0xFF;
    return bytes;
}

// An output a request writes to and no check reads.
template <class T>
T& Sink() {
    static T value{};
    return value;
}

const std::vector<Operation> kRequests = {
    O{"WepOn", Call(&A::SetWepEnabled, 5), OID_PRIV_WEP_DISABLE, Le32(0)},
    O{"FlagPair", [](A& a) { return a.SetFlagPair(5, 0); }, OID_PRIV_FLAG_PAIR,
      Concat({Le32(1), Le32(0)})},
    O{"MacFlag", [](A& a) { return a.GetMacFlag(Sink<int>()); }, OID_PRIV_MAC_REGISTER,
      Raw(MacRegisterRequest{REGISTER_READ, {}, 0x2F4, 0})},
    O{"Diag804", [](A& a) { return a.DiagSet804(0x1FE, 0x01020304, 0); }, OID_PRIV_DIAG_804,
      Concat({{0xFE, 0, 0, 0}, Le32(0x01020304)})},
    O{"WepKeySet", [](A& a) { return a.SetWepKeyText("0a1B2c", 2, Sink<std::string>()); },
      OID_PRIV_WEP_KEY, Concat({{0x0A, 0x1B}, Bytes(14, 0), {0x00}})},
    O{"WepKeyGet", [](A& a) { return a.GetWepKeyText("ffff", 3, Sink<std::string>()); },
      OID_PRIV_WEP_KEY, Concat({{0xFF, 0xFF}, Bytes(14, 0), {0x01}})},
    O{"KeyEntry", [](A& a) { return a.GetKeyEntry(3, Sink<KeyEntry>()); }, OID_PRIV_KEY_ENTRY,
      KeyEntryRead()},
    O{"Configuration",
      [](A& a) {
          return a.SetConfiguration({0, 100, 2, 2484000, {1, 2, 3, 4}}, 6, 200);
      },
      OID_PRIV_CONFIGURATION, Raw(NdisConfiguration{32, 200, 2, 2437000, {}}), "IbssChannel", "6"}};

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Settings, OperationTest, ::testing::ValuesIn(kSettings), kName);
INSTANTIATE_TEST_SUITE_P(Requests, OperationTest, ::testing::ValuesIn(kRequests), kName);
INSTANTIATE_TEST_SUITE_P(Settings, RefusedSettingTest, ::testing::ValuesIn(kSettings), kName);

TEST_F(AdapterTest, SetConfigurationUsesTheChannelOrTheRecord) {
    NdisConfiguration config{0, 100, 2, 2484000, {1, 2, 3, 4}};
    EXPECT_EQ(adapter->SetConfiguration(config, 0, 0), 1);
    EXPECT_EQ(Stored("IbssChannel"), "14");
    config.dsConfig = 5745000;  // not among the 14 channels the IBSS search covers
    EXPECT_EQ(adapter->SetConfiguration(config, 0, 0), 1);
    EXPECT_EQ(Stored("IbssChannel"), "0");
}

TEST_F(AdapterTest, WepKeyAndFlagPairRepliesAreReadBack) {
    std::string reply = "old";
    EXPECT_EQ(adapter->SetWepKeyText("0a1B2c", 2, reply), 1);
    EXPECT_EQ(reply, "0a1b" + std::string(28, '0'));
    EXPECT_EQ(adapter->GetWepKeyText("ffff", 3, reply), 1);
    EXPECT_EQ(reply, "0a1b00");
    int first = 0, second = 1;
    EXPECT_EQ(adapter->SetFlagPair(5, 0) + adapter->GetFlagPair(first, second), 2);
    EXPECT_EQ(std::tuple(first, second), std::tuple(1, 0));
}

}  // namespace
