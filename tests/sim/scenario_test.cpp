// Scenario files: the default, the documented examples, and errors that name their place.
#include "sim/scenario.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "sim/scenario_error.h"

namespace {

std::vector<std::string> DocumentedExamples() {
    std::ifstream in(std::string(SDWLAN_SOURCE_DIR) + "/docs/scenario.md");
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> blocks;
    const std::string doc = text.str();
    for (auto at = doc.find("```json\n"); at != std::string::npos;
         at = doc.find("```json\n", at + 1)) {
        auto end = doc.find("```", at + 8);
        blocks.push_back(doc.substr(at + 8, end - at - 8));
    }
    return blocks;
}

std::string ErrorOf(const std::string& json) {
    try {
        Scenario::Parse(json);
    } catch (const ScenarioError& error) {
        return error.what();
    }
    return "parsed";
}

}  // namespace

TEST(ScenarioTest, DocumentedExamplesParseAndTheFirstIsTheDefault) {
    auto examples = DocumentedExamples();
    ASSERT_EQ(examples.size(), 3u);
    Scenario documented = Scenario::Parse(examples[0]);
    Scenario builtIn = Scenario::Default();
    EXPECT_TRUE(documented == builtIn);
    Scenario second = Scenario::Parse(examples[1]);
    EXPECT_TRUE(second.driver.alreadyPresent);
    ASSERT_EQ(second.adapters[0].faults.size(), 2u);
    EXPECT_EQ(second.adapters[0].faults[0].kind, FaultKind::Status);
    EXPECT_FALSE(second.adapters[1].wireless);
    Scenario third = Scenario::Parse(examples[2]);
    EXPECT_EQ(third.adapters[0].ipAddress, "192.0.2.40");
    EXPECT_EQ(third.activeDevices[0].key, "\\Drivers\\BuiltIn\\Serial");
    ASSERT_EQ(third.events.size(), 6u);
    EXPECT_EQ(third.events[1].kind, SimEventKind::ScanState);
    EXPECT_EQ(third.events[5].kind, SimEventKind::RemoveCard);
}

// Times and codes may be written in hex; an event may name the adapter it is for. (The
// sm_scenario_forms script of the headless tests checks the forms the utility can show.)
TEST(ScenarioTest, ValuesInTheirWrittenForms) {
    Scenario s = Scenario::Parse(R"({
      "vendorDriverVersion": "0x00030001",
      "protocolDriver": { "rawBindings": "A\u0000\u0000", "unloadAnswer": 0,
                          "reportedBindingBytes": 0 },
      "networks": [{ "bssid": "02-00-00-00-00-02", "privacy": "0x7" }],
      "adapters": [{ "name": "W", "settings": { "antenna": -1 },
                     "faults": [{ "kind": "reply", "oid": 268566788, "data": "02 04 0b16" },
                                { "kind": "submitFailure", "request": "set" }] },
                   { "name": "W2" }],
      "events": [{ "at": "0x10", "removeCard": true, "adapter": "W2" }, { "at": 2, "link": "up" },
                 { "at": 4, "restartCounters": true }]
    })");
    EXPECT_EQ(s.vendorDriverVersion, 0x00030001u);
    EXPECT_EQ(*s.driver.rawBindings, std::u16string(u"A\0\0", 3));
    EXPECT_EQ(s.driver.unloadAnswer, 0u);
    EXPECT_EQ(s.driver.reportedBindingBytes, 0u);
    EXPECT_EQ(s.networks[0].privacy, 7u);
    const AdapterSpec& a = s.adapters[0];
    EXPECT_EQ(a.settings.antenna, 0xFFFFFFFFu);
    EXPECT_EQ(a.faults[0].oid, 0x10020104u);
    EXPECT_EQ(a.faults[0].data, (std::vector<BYTE>{2, 4, 0x0B, 0x16}));
    EXPECT_FALSE(a.faults[1].oid.has_value());
    EXPECT_EQ(a.faults[1].request, RequestMatch::Set);
    EXPECT_EQ(a.faults[1].value, 31u);
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[2].kind, SimEventKind::RestartCounters);
    EXPECT_EQ(s.events[0].atMs, 16u);
    EXPECT_EQ(s.events[0].adapter, u"W2");
    EXPECT_TRUE(s.events[1].adapter.empty());
}

class ScenarioErrorTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

// A short message: a thousand-digit number is not quoted whole.
TEST_P(ScenarioErrorTest, NamesThePathAndTheFault) {
    auto [json, expected] = GetParam();
    std::string error = ErrorOf(json);
    EXPECT_NE(error.find(expected), std::string::npos) << error;
    EXPECT_LT(error.size(), 300u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ScenarioErrorTest,
    ::testing::Values(
        std::pair{R"({"seed": 1,})", "$: not valid JSON"},
        std::pair{R"({"adapters": [{"name": "A", "link": {"chanel": 6}}]})",
                  "$.adapters[0].link.chanel: unknown key"},
        std::pair{R"({"protocolDriver": {"alreadyPresent": "yes"}})",
                  "$.protocolDriver.alreadyPresent: expected true or false"},
        std::pair{R"({"networks": [{"bssid": "02-00-00-00-00-01", "channel": 15}]})",
                  "$.networks[0].channel: 15 is not a channel"},
        std::pair{R"({"networks": [{"ssid": "x"}]})", "$.networks[0].bssid: missing"},
        std::pair{R"({"networks": [{"bssid": "02-00-00-00-00-01", "mode": "mesh"}]})",
                  "$.networks[0].mode: expected \"infrastructure\", \"adhoc\" or a number"},
        std::pair{R"({"adapters": [{"name": "A", "mac": "00-11-22-33-44"}]})",
                  "$.adapters[0].mac: expected a MAC address"},
        std::pair{R"({"adapters": [{"name": "A"}, {"name": "A"}]})",
                  "$.adapters[1].name: adapter name used twice"},
        std::pair{R"({"adapters": [{"name": "A", "faults": [{"kind": "explode"}]}]})",
                  "$.adapters[0].faults[0].kind: expected"},
        std::pair{R"({"adapters": [{"name": "A", "eeprom": {"size": 512, "words": {"256": 1}}}]})",
                  "$.adapters[0].eeprom.words.256: 256 is outside 0 to 255"},
        std::pair{
            R"({"adapters": [{"name": "A", "settings": {"ssid": "123456789012345678901234567890123"}}]})",
            "$.adapters[0].settings.ssid: longer than 32 bytes"},
        std::pair{R"({"adapters": [{"name": "A", "macRegisters": {"0x2F6": 1}}]})",
                  "register 0x2F6 is not a multiple of 4"},
        std::pair{R"([1, 2])", "$: expected an object"},
        std::pair{R"({"adapters": [{"name": "A", "ipAddress": "192.0.2.256"}]})",
                  "$.adapters[0].ipAddress: expected an IPv4 address"},
        std::pair{R"({"activeDevices": [{"key": "x"}]})",
                  "$.activeDevices[0].name: expected a device name"},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1}]})",
                  "$.events[0]: expected one of removeCard"},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1, "link": "down",
                      "signalDbm": -50}]})",
                  "$.events[0]: both link and signalDbm"},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1, "link": "left"}]})",
                  "$.events[0].link: expected \"up\" or \"down\""},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1, "link": "up",
                      "bssid": "02-00-00-00-00-01"}]})",
                  "$.events[0].bssid: unknown key"},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1, "signalDbm": 3}]})",
                  "$.events[0].signalDbm: 3 is outside -120 to 0"},
        std::pair{R"({"adapters": [{"name": "A"}], "events": [{"at": 1, "link": "up",
                      "adapter": "B"}]})",
                  "$.events[0].adapter: no wireless adapter of this name"},
        std::pair{R"({"adapters": [{"name": "N", "wireless": false}],
                      "events": [{"at": 1, "removeCard": true}]})",
                  "$.events[0]: no wireless adapter for this event"}));

namespace {

std::string WithAdapter(const std::string& fields) {
    return R"({"adapters": [{"name": "A")" + fields + "}]}";
}

std::string KeyPath(int levels, std::size_t nameLength) {
    std::string path(nameLength, 'k');
    for (int i = 1; i < levels; ++i) path += "\\\\k";
    return path;
}

}  // namespace

// Hostile input: every case is refused with its place and the limit, nothing aborts.
INSTANTIATE_TEST_SUITE_P(
    HostileInputs, ScenarioErrorTest,
    ::testing::Values(
        std::pair{std::string(R"({"seed": 1e400})"), std::string("$: not valid JSON:")},
        std::pair{"{\"seed\": " + std::string(1000, '9') + "}",
                  std::string("number overflow parsing '999")},
        std::pair{WithAdapter(R"(, "link": {"signalDbm": 18446744073709551606})"),
                  std::string("$.adapters[0].link.signalDbm: 18446744073709551606 is outside "
                              "-120 to 0")},
        std::pair{std::string(R"({"seed": 9223372036854775808})"),
                  std::string("$.seed: 9223372036854775808 is outside 0 to 4294967295")},
        std::pair{std::string("{\"seed\": 1}\0{\"seed\": 2}", 24),
                  std::string("$: a NUL byte at offset 11")},
        std::pair{std::string(R"({"adapters": [{"name": "A", "name": "B"}]})"),
                  std::string("$.adapters[0].name: key given twice")},
        std::pair{std::string(R"({"networks": [], "seed": 1, "seed": 2})"),
                  std::string("$.seed: key given twice")},
        std::pair{"{\"events\": " + std::string(70, '[') + std::string(70, ']') + "}",
                  std::string(": nested deeper than 64 levels")},
        std::pair{R"({"adapters": [{"name": ")" + std::string(63, 'N') + R"("}]})",
                  std::string("$.adapters[0].name: longer than 62 characters")},
        std::pair{std::string(R"({"adapters": [{"name": "A\u0000B"}]})"),
                  std::string("$.adapters[0].name: control characters")},
        std::pair{WithAdapter(R"(, "parametersKey": ")" + KeyPath(513, 1) + "\""),
                  std::string("$.adapters[0].parametersKey: expected a key at most 512 levels")},
        std::pair{WithAdapter(R"(, "parametersKey": ")" + KeyPath(2, 256) + "\""),
                  std::string("$.adapters[0].parametersKey: expected key names of at most 255")},
        std::pair{WithAdapter(R"(, "parametersKey": "Comm\\\\\\\\Parms")"),
                  std::string("$.adapters[0].parametersKey: expected a key path")}));

TEST(ScenarioTest, NamesAndKeysAtTheirLimitsAreAccepted) {
    Scenario s = Scenario::Parse(R"({"adapters": [{"name": ")" + std::string(62, 'N') +
                                 R"(", "parametersKey": ")" + KeyPath(512, 255) + R"("}]})");
    EXPECT_EQ(s.adapters[0].name.size(), 62u);
}
