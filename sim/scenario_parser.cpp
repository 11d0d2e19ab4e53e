#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/core/text.h"
#include "platform/registry/registry_path.h"
#include "sim/channel_plan.h"
#include "sim/event_parser.h"
#include "sim/json_fields.h"
#include "sim/scenario.h"
#include "sim/scenario_error.h"
#include "sim/value_text.h"

namespace {

constexpr std::size_t kMaxSsid = 32;
constexpr std::size_t kMaxRates = 8;
constexpr DWORD kMaxScanTimeMs = 2999;
constexpr DWORD kMaxEepromBytes = 512;
constexpr DWORD kMacRegisterLimit = 0x4FC;
constexpr DWORD kBasebandLast = 127;

std::string Item(const std::string& path, std::size_t index) {
    return StrFormat("%s[%zu]", path.c_str(), index);
}

// Turns scenario JSON into a Scenario; every error names the JSON path at fault.
class ScenarioParser {
  public:
    using Json = nlohmann::json;

    static Scenario Parse(const std::string& text);
    static Scenario FromJson(const Json& root);

  private:
    static ProtocolDriverSpec Driver(const Json& value, const std::string& path);
    static AdapterSpec Adapter(const Json& value, const std::string& path);
    static CardSettings Settings(const Json& value, const std::string& path);
    static LinkSpec Link(const Json& value, const std::string& path);
    static TrafficSpec Traffic(const Json& value, const std::string& path);
    static NetworkSpec Network(const Json& value, const std::string& path);
    static SignalWander Wander(const Json& value, const std::string& path);
    static FaultSpec Fault(const Json& value, const std::string& path);
    static void Hardware(JsonFields& fields, AdapterSpec* desc);
    static void Eeprom(const Json& value, const std::string& path, AdapterSpec* adapter);
    static WString AdapterName(const Json* value, const std::string& path);
    static std::string KeyPath(const Json& value, const std::string& path);
    static ActiveDeviceSpec ActiveDevice(const Json& value, const std::string& path);
    // A dotted IPv4 address; an empty text too when mayBeEmpty.
    static std::string Ipv4(const Json& value, const std::string& path, bool mayBeEmpty);
    static MacAddress Mac(const Json& value, const std::string& path);
    static std::vector<BYTE> Rates(const Json& value, const std::string& path);
    static std::vector<BYTE> HexBytes(const Json& value, const std::string& path);
    static std::string Ssid(const Json& value, const std::string& path);
    // "infrastructure" (1), "adhoc" (0) or any number.
    static DWORD Mode(const Json& value, const std::string& path);
    static int Channel(JsonFields& fields, const std::string& key, int fallback);
    template <typename T>
    static std::vector<T> List(const Json* value, const std::string& path,
                               T (*item)(const Json&, const std::string&));
    template <typename V>
    static std::map<DWORD, V> Map(const Json* value, const std::string& path, DWORD maxKey,
                                  DWORD maxValue);
};

Scenario ScenarioParser::Parse(const std::string& text) {
    return FromJson(JsonFields::ParseText(text));
}

Scenario ScenarioParser::FromJson(const Json& root) {
    JsonFields fields(root, "$");
    Scenario scenario;
    scenario.seed = fields.Dword("seed", scenario.seed);
    scenario.driverVersion = fields.String("driverVersion", scenario.driverVersion);
    scenario.vendorDriverVersion = fields.OptionalDword("vendorDriverVersion");
    if (const Json* driver = fields.Find("protocolDriver")) {
        scenario.driver = Driver(*driver, fields.PathOf("protocolDriver"));
    }
    scenario.adapters = List(fields.Find("adapters"), fields.PathOf("adapters"), &Adapter);
    scenario.networks = List(fields.Find("networks"), fields.PathOf("networks"), &Network);
    scenario.activeDevices =
        List(fields.Find("activeDevices"), fields.PathOf("activeDevices"), &ActiveDevice);
    scenario.events =
        EventParser::List(fields.Find("events"), fields.PathOf("events"), scenario.adapters);
    fields.Finish();
    for (std::size_t i = 0; i < scenario.adapters.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (scenario.adapters[k].name == scenario.adapters[i].name) {
                JsonFields::Fail(Item("$.adapters", i) + ".name", "adapter name used twice");
            }
        }
    }
    return scenario;
}

template <typename T>
std::vector<T> ScenarioParser::List(const Json* value, const std::string& path,
                                    T (*item)(const Json&, const std::string&)) {
    std::vector<T> items;
    if (value == nullptr) return items;
    if (!value->is_array()) JsonFields::Fail(path, "expected an array");
    for (std::size_t i = 0; i < value->size(); ++i)
        items.push_back(item((*value)[i], Item(path, i)));
    return items;
}

template <typename V>
std::map<DWORD, V> ScenarioParser::Map(const Json* value, const std::string& path, DWORD maxKey,
                                       DWORD maxValue) {
    std::map<DWORD, V> map;
    if (value == nullptr) return map;
    if (!value->is_object()) JsonFields::Fail(path, "expected an object");
    for (const auto& item : value->items()) {
        std::string at = path + "." + item.key();
        DWORD key = JsonFields::AsDword(Json(item.key()), at, 0, maxKey);
        map[key] = static_cast<V>(JsonFields::AsDword(item.value(), at, 0, maxValue));
    }
    return map;
}

ProtocolDriverSpec ScenarioParser::Driver(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    ProtocolDriverSpec desc;
    desc.apiVersion = fields.Dword("apiVersion", desc.apiVersion);
    desc.attachStatus = fields.Dword("attachStatus", desc.attachStatus);
    desc.registrationFails = fields.Bool("registrationFails", desc.registrationFails);
    desc.registrationError = fields.Dword("registrationError", desc.registrationError, 1);
    desc.alreadyPresent = fields.Bool("alreadyPresent", desc.alreadyPresent);
    desc.unloadAnswer = fields.OptionalDword("unloadAnswer");
    if (const Json* raw = fields.Find("rawBindings")) {
        desc.rawBindings = Utf8ToWide(JsonFields::AsString(*raw, fields.PathOf("rawBindings")));
    }
    desc.reportedBindingBytes = fields.OptionalDword("reportedBindingBytes");
    desc.pendingDelayMs = fields.Dword("pendingDelayMs", desc.pendingDelayMs, 0, 1000);
    fields.Finish();
    return desc;
}

AdapterSpec ScenarioParser::Adapter(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    AdapterSpec desc;
    desc.name = AdapterName(fields.Find("name"), fields.PathOf("name"));
    desc.wireless = fields.Bool("wireless", desc.wireless);
    if (const Json* mac = fields.Find("mac")) desc.mac = Mac(*mac, fields.PathOf("mac"));
    desc.maxTotalSize = fields.Dword("maxTotalSize", desc.maxTotalSize);
    desc.apModeSupported = fields.Bool("apModeSupported", desc.apModeSupported);
    desc.apInfoMode = fields.Dword("apInfoMode", desc.apInfoMode);
    if (const Json* key = fields.Find("parametersKey"))
        desc.parametersKey = KeyPath(*key, fields.PathOf("parametersKey"));
    desc.deviceName = fields.String("deviceName", desc.deviceName);
    desc.scanTimeMs = fields.Dword("scanTimeMs", desc.scanTimeMs, 0, kMaxScanTimeMs);
    if (const Json* s = fields.Find("settings"))
        desc.settings = Settings(*s, fields.PathOf("settings"));
    if (const Json* link = fields.Find("link")) desc.link = Link(*link, fields.PathOf("link"));
    if (const Json* t = fields.Find("traffic"))
        desc.traffic = Traffic(*t, fields.PathOf("traffic"));
    Hardware(fields, &desc);
    desc.faults = List(fields.Find("faults"), fields.PathOf("faults"), &Fault);
    if (const Json* ip = fields.Find("ipAddress"))
        desc.ipAddress = Ipv4(*ip, fields.PathOf("ipAddress"), true);
    if (const Json* mask = fields.Find("ipMask"))
        desc.ipMask = Ipv4(*mask, fields.PathOf("ipMask"), false);
    fields.Finish();
    return desc;
}

// The card's EEPROM and registers.
void ScenarioParser::Hardware(JsonFields& fields, AdapterSpec* desc) {
    if (const Json* e = fields.Find("eeprom")) Eeprom(*e, fields.PathOf("eeprom"), desc);
    desc->macRegisters = Map<DWORD>(fields.Find("macRegisters"), fields.PathOf("macRegisters"),
                                    kMacRegisterLimit, 0xFFFFFFFFu);
    for (const auto& [address, value] : desc->macRegisters) {
        if (address % 4 != 0) {
            JsonFields::Fail(fields.PathOf("macRegisters"),
                             StrFormat("register 0x%X is not a multiple of 4", address));
        }
    }
    desc->basebandRegisters = Map<BYTE>(fields.Find("basebandRegisters"),
                                        fields.PathOf("basebandRegisters"), kBasebandLast, 0xFF);
    if (const Json* flag = fields.Find("macFlag")) {
        if (!flag->is_boolean())
            JsonFields::Fail(fields.PathOf("macFlag"), "expected true or false");
        desc->macFlag = flag->get<bool>();
    }
}

int ScenarioParser::Channel(JsonFields& fields, const std::string& key, int fallback) {
    int channel = fields.Int(key, fallback, 1, 255);
    if (!ChannelPlan::Valid(channel)) {
        JsonFields::Fail(fields.PathOf(key), StrFormat("%d is not a channel", channel));
    }
    return channel;
}

CardSettings ScenarioParser::Settings(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    CardSettings s;
    if (const Json* ssid = fields.Find("ssid")) s.ssid = Ssid(*ssid, fields.PathOf("ssid"));
    s.infrastructureMode = fields.Dword("infrastructureMode", s.infrastructureMode, 0, 2);
    s.apMode = fields.Dword("apMode", s.apMode, 1, 2);
    s.powerMode = fields.Dword("powerMode", s.powerMode, 0, 2);
    s.radioOn = fields.Bool("radioOn", s.radioOn);
    s.dsFrequency = ChannelPlan::FrequencyKhz(Channel(fields, "channel", 1));
    s.beaconPeriod = fields.Dword("beaconPeriod", s.beaconPeriod, 1, 0xFFFF);
    s.atimWindow = fields.Dword("atimWindow", s.atimWindow, 0, 0xFFFF);
    if (const Json* r = fields.Find("txRates")) s.txRates = Rates(*r, fields.PathOf("txRates"));
    if (const Json* r = fields.Find("supportedRates")) {
        s.supportedRates = Rates(*r, fields.PathOf("supportedRates"));
    }
    s.rtsThreshold = fields.Dword("rtsThreshold", s.rtsThreshold, 0, 2347);
    s.fragThreshold = fields.Dword("fragThreshold", s.fragThreshold, 256, 2346);
    s.preambleType = fields.Dword("preambleType", s.preambleType);
    s.authType = fields.Dword("authType", s.authType, 0, 2);
    s.wepEnabled = fields.Bool("wepEnabled", s.wepEnabled);
    s.antenna = static_cast<DWORD>(fields.Int("antenna", -1, -1, 1));
    s.environment = fields.Dword("environment", s.environment);
    s.option50C = fields.Dword("option50C", s.option50C);
    s.statusWord = fields.Dword("statusWord", s.statusWord);
    s.networkTypeInUse = fields.Dword("networkTypeInUse", s.networkTypeInUse, 0, 4);
    fields.Finish();
    return s;
}

LinkSpec ScenarioParser::Link(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    LinkSpec link;
    link.connected = fields.Bool("connected", link.connected);
    if (const Json* ssid = fields.Find("ssid")) link.ssid = Ssid(*ssid, fields.PathOf("ssid"));
    if (const Json* bssid = fields.Find("bssid")) link.bssid = Mac(*bssid, fields.PathOf("bssid"));
    link.channel = Channel(fields, "channel", link.channel);
    link.signalDbm = fields.Int("signalDbm", link.signalDbm, -120, 0);
    if (const Json* w = fields.Find("wander")) link.wander = Wander(*w, fields.PathOf("wander"));
    link.linkSpeed = fields.Dword("linkSpeed", link.linkSpeed);
    link.quality = fields.OptionalDword("quality", 0, 255);
    link.scanState = fields.Dword("scanState", link.scanState);
    link.connectStatus = fields.OptionalDword("connectStatus");
    fields.Finish();
    return link;
}

TrafficSpec ScenarioParser::Traffic(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    constexpr double kMax = 1e9;
    TrafficSpec t;
    t.txBytesPerSec = fields.Real("txBytesPerSec", t.txBytesPerSec, 0, kMax);
    t.rxBytesPerSec = fields.Real("rxBytesPerSec", t.rxBytesPerSec, 0, kMax);
    t.txFramesPerSec = fields.Real("txFramesPerSec", t.txFramesPerSec, 0, kMax);
    t.rxFramesPerSec = fields.Real("rxFramesPerSec", t.rxFramesPerSec, 0, kMax);
    t.txErrorsPerSec = fields.Real("txErrorsPerSec", t.txErrorsPerSec, 0, kMax);
    t.rxErrorsPerSec = fields.Real("rxErrorsPerSec", t.rxErrorsPerSec, 0, kMax);
    fields.Finish();
    return t;
}

NetworkSpec ScenarioParser::Network(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    NetworkSpec n;
    if (const Json* ssid = fields.Find("ssid")) n.ssid = Ssid(*ssid, fields.PathOf("ssid"));
    const Json* bssid = fields.Find("bssid");
    if (bssid == nullptr) JsonFields::Fail(fields.PathOf("bssid"), "missing");
    n.bssid = Mac(*bssid, fields.PathOf("bssid"));
    n.channel = Channel(fields, "channel", n.channel);
    if (const Json* privacy = fields.Find("privacy")) {
        n.privacy = privacy->is_boolean() ? DWORD{privacy->get<bool>()}
                                          : fields.Dword("privacy", n.privacy);
    }
    if (const Json* mode = fields.Find("mode")) n.mode = Mode(*mode, fields.PathOf("mode"));
    if (const Json* r = fields.Find("rates")) n.rates = Rates(*r, fields.PathOf("rates"));
    n.signalDbm = fields.Int("signalDbm", n.signalDbm, -120, 0);
    if (const Json* w = fields.Find("wander")) n.wander = Wander(*w, fields.PathOf("wander"));
    n.beaconPeriod = fields.Dword("beaconPeriod", n.beaconPeriod, 1, 0xFFFF);
    n.inRangeFromMs = fields.Dword("inRangeFromMs", n.inRangeFromMs);
    n.inRangeUntilMs = fields.OptionalDword("inRangeUntilMs");
    fields.Finish();
    return n;
}

SignalWander ScenarioParser::Wander(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    SignalWander w;
    w.stepDb = fields.Int("stepDb", w.stepDb, 0, 20);
    w.intervalMs = fields.Dword("intervalMs", w.intervalMs, 10, 3600000);
    w.rangeDb = fields.Int("rangeDb", w.rangeDb, 0, 60);
    fields.Finish();
    return w;
}

FaultSpec ScenarioParser::Fault(const Json& value, const std::string& path) {
    static const std::map<std::string, FaultKind> kinds = {
        {"submitFailure", FaultKind::SubmitFailure},
        {"status", FaultKind::Status},
        {"pending", FaultKind::Pending},
        {"reply", FaultKind::Reply},
        {"listCount", FaultKind::ListCount}};
    static const std::map<std::string, RequestMatch> requests = {
        {"any", RequestMatch::Any}, {"query", RequestMatch::Query}, {"set", RequestMatch::Set}};
    JsonFields fields(value, path);
    FaultSpec fault;
    std::string kind = fields.String("kind", "");
    if (kinds.count(kind) == 0) {
        JsonFields::Fail(fields.PathOf("kind"),
                         "expected submitFailure, status, pending, reply or listCount");
    }
    fault.kind = kinds.at(kind);
    if (const Json* oid = fields.Find("oid"); oid != nullptr && *oid != "any") {
        fault.oid = JsonFields::AsDword(*oid, fields.PathOf("oid"), 0, 0xFFFFFFFFu);
    }
    fault.address = fields.OptionalDword("address");
    std::string request = fields.String("request", "any");
    if (requests.count(request) == 0) {
        JsonFields::Fail(fields.PathOf("request"), "expected any, query or set");
    }
    fault.request = requests.at(request);
    fault.times = fields.OptionalDword("times");
    if (fault.kind == FaultKind::SubmitFailure) fault.value = fields.Dword("error", 31, 1);
    if (fault.kind == FaultKind::Status) fault.value = fields.Dword("status", 0xC0000001, 1);
    if (fault.kind == FaultKind::ListCount) fault.value = fields.Dword("count", 0);
    if (fault.kind == FaultKind::Reply) {
        const Json* data = fields.Find("data");
        if (data == nullptr) JsonFields::Fail(fields.PathOf("data"), "missing");
        fault.data = HexBytes(*data, fields.PathOf("data"));
    }
    fields.Finish();
    return fault;
}

void ScenarioParser::Eeprom(const Json& value, const std::string& path, AdapterSpec* adapter) {
    JsonFields fields(value, path);
    adapter->eepromSize = fields.Dword("size", adapter->eepromSize, 0, kMaxEepromBytes);
    // An odd last byte belongs to no word; an EEPROM below two bytes holds none.
    const Json* words = fields.Find("words");
    if (words != nullptr && adapter->eepromSize < 2) {
        JsonFields::Fail(fields.PathOf("words"), "the EEPROM holds no word");
    }
    adapter->eepromWords =
        Map<WORD>(words, fields.PathOf("words"), adapter->eepromSize / 2 - 1, 0xFFFF);
    fields.Finish();
}

// A name the binding list can carry: at most kMaxAdapterName UTF-16 units, no control characters.
WString ScenarioParser::AdapterName(const Json* value, const std::string& path) {
    if (value == nullptr) JsonFields::Fail(path, "missing");
    WString name = Utf8ToWide(JsonFields::AsString(*value, path));
    if (name.empty()) JsonFields::Fail(path, "empty");
    if (name.size() > kMaxAdapterName) {
        JsonFields::Fail(path, StrFormat("longer than %zu characters", kMaxAdapterName));
    }
    if (std::any_of(name.begin(), name.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; }))
        JsonFields::Fail(path, "control characters are not allowed");
    return name;
}

std::string ScenarioParser::KeyPath(const Json& value, const std::string& path) {
    std::string text = JsonFields::AsString(value, path);
    auto names = SplitRegistryPath(text);
    if (!names || names->empty()) JsonFields::Fail(path, "expected a key path like Comm\\X\\Parms");
    if (std::string problem = KeyPathProblem(*names); !problem.empty())
        JsonFields::Fail(path, problem);
    return text;
}

ActiveDeviceSpec ScenarioParser::ActiveDevice(const Json& value, const std::string& path) {
    JsonFields fields(value, path);
    ActiveDeviceSpec device;
    device.name = fields.String("name", "");
    if (device.name.empty())
        JsonFields::Fail(fields.PathOf("name"), "expected a device name like COM2:");
    device.key = fields.String("key", "");
    fields.Finish();
    return device;
}

std::string ScenarioParser::Ipv4(const Json& value, const std::string& path, bool mayBeEmpty) {
    std::string text = JsonFields::AsString(value, path);
    if (!(mayBeEmpty && text.empty()) && !ValueText::IsIpv4(text)) {
        JsonFields::Fail(path, "expected an IPv4 address like 192.0.2.15");
    }
    return text;
}

MacAddress ScenarioParser::Mac(const Json& value, const std::string& path) {
    auto mac = ValueText::Mac(JsonFields::AsString(value, path));
    if (!mac) JsonFields::Fail(path, "expected a MAC address like 00-0A-0B-1C-2D-3E");
    return *mac;
}

std::vector<BYTE> ScenarioParser::Rates(const Json& value, const std::string& path) {
    if (!value.is_array() || value.size() > kMaxRates) {
        JsonFields::Fail(path, "expected an array of at most 8 rates");
    }
    std::vector<BYTE> rates;
    for (std::size_t i = 0; i < value.size(); ++i) {
        rates.push_back(static_cast<BYTE>(JsonFields::AsDword(value[i], Item(path, i), 1, 0xFF)));
    }
    return rates;
}

std::vector<BYTE> ScenarioParser::HexBytes(const Json& value, const std::string& path) {
    std::string text = JsonFields::AsString(value, path);
    std::string digits;
    for (char c : text) {
        if (c == ' ') continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            JsonFields::Fail(path, "expected hexadecimal bytes like \"02 04 0B 16\"");
        }
        digits.push_back(c);
    }
    if (digits.size() % 2 != 0) JsonFields::Fail(path, "odd number of hexadecimal digits");
    std::vector<BYTE> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<BYTE>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::string ScenarioParser::Ssid(const Json& value, const std::string& path) {
    std::string bytes = Utf8ToAnsi(JsonFields::AsString(value, path));
    if (bytes.size() > kMaxSsid) JsonFields::Fail(path, "longer than 32 bytes");
    return bytes;
}

DWORD ScenarioParser::Mode(const Json& value, const std::string& path) {
    if (value == "infrastructure") return 1;
    if (value == "adhoc") return 0;
    if (value.is_string() && !ValueText::Integer(value.get<std::string>()))
        JsonFields::Fail(path, "expected \"infrastructure\", \"adhoc\" or a number");
    // Any other infrastructure mode a driver may report, as a number.
    return JsonFields::AsDword(value, path, 0, 0xFFFFFFFFu);
}

}  // namespace

Scenario Scenario::Parse(const std::string& jsonText) { return ScenarioParser::Parse(jsonText); }
