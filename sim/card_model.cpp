#include "sim/card_model.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/registry/registry_store.h"
#include "sim/channel_plan.h"

namespace {

constexpr DWORD kMacFlagRegister = 0x2F4;
constexpr DWORD kMacFlagBit = 0x40000000;
constexpr int kNoSignalDbm = -100;
constexpr DWORD kScanStateScanning = 1;
constexpr DWORD kMediaConnected = 0;
constexpr DWORD kMediaDisconnected = 1;

DWORD NameSalt(const WString& name) {
    DWORD hash = 2166136261u;
    for (char16_t unit : name) hash = (hash ^ unit) * 16777619u;
    return hash;
}

// major << 16 | minor from the leading "major.minor" of a version text.
DWORD VersionValue(const std::string& text) {
    unsigned major = 0, minor = 0;
    if (std::sscanf(text.c_str(), "%u.%u", &major, &minor) < 1) return 0;
    return (std::min(major, 0xFFFFu) << 16) | std::min(minor, 0xFFFFu);
}

// Highest rate of a rate list, in 100 bit/s units (a rate byte counts 500 kbit/s).
DWORD FastestRate(const std::vector<BYTE>& rates) {
    DWORD fastest = 0;
    for (BYTE rate : rates) fastest = std::max<DWORD>(fastest, rate & 0x7F);
    return fastest * 5000;
}

constexpr std::size_t kMaxSsid = 32;
// Bits of the "Rate" mask, lowest first, in 500 kbit/s units.
constexpr BYTE kRateOfBit[] = {0x02, 0x04, 0x0B, 0x16};

std::optional<long> Number(const std::string& key, const char* name) {
    auto text = RegistryStore::Instance().GetString(key, name);
    if (!text || text->empty()) return std::nullopt;
    long value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc{} || end != text->data() + text->size()) return std::nullopt;
    return value;
}

void ApplyPowerMode(std::optional<long> mode, CardSettings* settings) {
    // Interface values 0, 1, 2 are driver values 0, 2, 1.
    if (mode && *mode >= 0 && *mode <= 2) settings->powerMode = *mode == 0 ? 0 : 3 - *mode;
}

void ApplyChannel(std::optional<long> channel, CardSettings* settings) {
    if (channel && *channel >= 1 && *channel <= 14) {
        settings->dsFrequency = ChannelPlan::FrequencyKhz(static_cast<int>(*channel));
    }
}

void ApplyNetworkType(std::optional<long> bssType, std::optional<long> deviceType,
                      bool apModeSupported, CardSettings* settings) {
    // "BssType": 1 infrastructure, 2 ad hoc, 3 access point; "DeviceType": 2 access point.
    if (bssType && *bssType >= 1 && *bssType <= 3) {
        settings->infrastructureMode = *bssType == 2 ? 0 : 1;
        if (*bssType == 3 && apModeSupported) settings->apMode = 2;
    }
    if (deviceType && (*deviceType == 1 || *deviceType == 2) && apModeSupported) {
        settings->apMode = static_cast<DWORD>(*deviceType);
    }
}

void ApplyRate(std::optional<long> mask, CardSettings* settings) {
    if (!mask || *mask < 1 || *mask > 15) return;
    settings->txRates.clear();
    for (int bit = 0; bit < 4; ++bit) {
        if (*mask & (1 << bit)) settings->txRates.push_back(kRateOfBit[bit]);
    }
}

void ApplyRange(std::optional<long> value, long low, long high, DWORD* setting) {
    if (value && *value >= low && *value <= high) *setting = static_cast<DWORD>(*value);
}

// The card driver's registry parameters ("Comm\\KESTREL1\\Parms"), read when the driver loads.
// Values are decimal texts in the utility's encodings; a value that is absent or not understood
// leaves the setting alone. Returns the stored "Ssid", if any.
std::optional<std::string> ApplyDriverParameters(const std::string& key, bool apModeSupported,
                                                 CardSettings* settings) {
    ApplyPowerMode(Number(key, "PowerMode"), settings);
    if (auto radio = Number(key, "RadioOn"); radio && (*radio == 0 || *radio == 1)) {
        settings->radioOn = *radio == 1;
    }
    ApplyChannel(Number(key, "IbssChannel"), settings);
    ApplyChannel(Number(key, "Channel"), settings);
    ApplyNetworkType(Number(key, "BssType"), Number(key, "DeviceType"), apModeSupported, settings);
    ApplyRate(Number(key, "Rate"), settings);
    ApplyRange(Number(key, "RtsThreshold"), 0, 2347, &settings->rtsThreshold);
    ApplyRange(Number(key, "FragThreshold"), 256, 2346, &settings->fragThreshold);
    ApplyRange(Number(key, "PreambleType"), 0, 0xFFFF, &settings->preambleType);
    ApplyRange(Number(key, "AuthType"), 0, 2, &settings->authType);
    ApplyRange(Number(key, "EnvironmentCondition"), 0, 0xFFFF, &settings->environment);
    if (auto antenna = Number(key, "RxAntennaNumber"); antenna && *antenna >= -1 && *antenna <= 1) {
        settings->antenna = static_cast<DWORD>(*antenna);
    }
    auto ssid = RegistryStore::Instance().GetString(key, "Ssid");
    if (!ssid) return std::nullopt;
    std::string bytes = Utf8ToAnsi(*ssid);
    if (bytes.size() > kMaxSsid) bytes.resize(kMaxSsid);
    return bytes;
}

}  // namespace

CardModel::CardModel(const AdapterSpec& desc, std::shared_ptr<RadioWorld> world,
                     const Scenario& scenario, const std::string& eepromPath)
    : settings(desc.settings),
      eeprom(desc.eepromSize, desc.eepromWords, desc.mac, eepromPath,
             "simulated EEPROM of adapter " + WideToUtf8(desc.name)),
      desc_(desc),
      world_(std::move(world)),
      vendorDriverVersion_(
          scenario.vendorDriverVersion.value_or(VersionValue(scenario.driverVersion))),
      driverVersionText_(scenario.driverVersion),
      link_(desc.link),
      linkWalk_(desc.link.signalDbm, desc.link.wander,
                SignalWalk::MixSeed(scenario.seed, NameSalt(desc.name)), GetTickCount()),
      traffic_(desc.traffic) {
    traffic_.Reset(GetTickCount());
    InitRegisters();
    if (settings.ssid.empty() && link_.connected) settings.ssid = link_.ssid;
}

void CardModel::InitRegisters() {
    // The station address sits in the first two MAC registers, as the chip loads it.
    registers.SetMac(0x000, static_cast<DWORD>(desc_.mac[0] | desc_.mac[1] << 8 |
                                               desc_.mac[2] << 16 | desc_.mac[3] << 24));
    registers.SetMac(0x004, static_cast<DWORD>(desc_.mac[4] | desc_.mac[5] << 8));
    for (const auto& [address, value] : desc_.macRegisters) registers.SetMac(address, value);
    for (const auto& [index, value] : desc_.basebandRegisters) {
        registers.SetBaseband(index, value);
    }
    if (desc_.macFlag) {
        DWORD flags = registers.Mac(kMacFlagRegister);
        registers.SetMac(kMacFlagRegister,
                         *desc_.macFlag ? flags | kMacFlagBit : flags & ~kMacFlagBit);
    }
}

void CardModel::LoadDriver(DWORD tick) {
    traffic_.Advance(tick, Connected());
    settings = desc_.settings;
    auto storedSsid = ApplyDriverParameters(desc_.parametersKey, desc_.apModeSupported, &settings);
    if (storedSsid) {
        settings.ssid = *storedSsid;
    } else if (settings.ssid.empty() && link_.connected) {
        settings.ssid = link_.ssid;
    }
    if (link_.connected) {
        if (settings.ssid != link_.ssid) {
            Associate(settings.ssid, tick);
        } else {
            settings.dsFrequency = ChannelPlan::FrequencyKhz(link_.channel);
        }
    }
    traffic_.Reset(tick);
    scanStart_.reset();
    scanList_.clear();
    keys.Clear();
    eepromReply.clear();
    diag804.clear();
    diagWrite807.clear();
    diag80E = {};
    listCountOverride.reset();
}

void CardModel::SetLink(const LinkSpec& link, DWORD tick) {
    traffic_.Advance(tick, Connected());
    link_ = link;
    linkWalk_.Reset(link.signalDbm, link.wander, tick);
    if (link.connected) {
        settings.ssid = link.ssid;
        settings.dsFrequency = ChannelPlan::FrequencyKhz(link.channel);
    }
}

void CardModel::Associate(const std::string& ssid, DWORD tick) {
    settings.ssid = ssid;
    if (link_.connected && link_.ssid == ssid) return;  // already there
    auto network = ssid.empty() ? std::nullopt : world_->Strongest(ssid, tick);
    if (!network) {
        Disassociate(0, tick);
        return;
    }
    LinkSpec link = link_;
    link.connected = true;
    link.ssid = network->network.ssid;
    link.bssid = network->network.bssid;
    link.channel = network->network.channel;
    link.signalDbm = network->signalDbm;
    link.wander = network->network.wander;
    link.linkSpeed = FastestRate(network->network.rates);
    link.quality.reset();
    link.connectStatus.reset();
    link.scanState = 0;
    SetLink(link, tick);
}

void CardModel::Disassociate(DWORD scanState, DWORD tick) {
    traffic_.Advance(tick, Connected());
    link_.connected = false;
    link_.connectStatus.reset();
    link_.scanState = scanState;
}

void CardModel::LinkDown(DWORD tick) { Disassociate(desc_.link.scanState, tick); }

bool CardModel::LinkUp(DWORD tick) {
    if (desc_.link.ssid.empty()) {
        bool inRange = !settings.ssid.empty() && world_->Strongest(settings.ssid, tick);
        if (inRange) Associate(settings.ssid, tick);
        return inRange;
    }
    LinkSpec link = desc_.link;
    link.connected = true;
    link.connectStatus.reset();
    link.scanState = 0;
    SetLink(link, tick);
    return true;
}

void CardModel::SetRadio(bool on, DWORD tick) {
    traffic_.Advance(tick, Connected());
    settings.radioOn = on;
}

void CardModel::SetSignal(int dbm, DWORD tick) {
    link_.signalDbm = dbm;
    linkWalk_.Reset(dbm, tick);
}

int CardModel::SignalDbm(DWORD tick) { return Connected() ? linkWalk_.At(tick) : kNoSignalDbm; }

DWORD CardModel::LinkQuality(DWORD tick) {
    if (!Connected()) return 0;
    if (link_.quality) return *link_.quality;
    // -95 dBm and below is no quality, -45 dBm and above full quality.
    return static_cast<DWORD>(std::clamp(2 * (SignalDbm(tick) + 95), 0, 100));
}

DWORD CardModel::ConnectStatus() const {
    if (link_.connectStatus) return *link_.connectStatus;
    return Connected() ? kMediaConnected : kMediaDisconnected;
}

DWORD CardModel::ScanStateCode(DWORD tick) {
    return Scanning(tick) ? kScanStateScanning : link_.scanState;
}

void CardModel::StartScan(DWORD tick) {
    CompleteScan(tick);
    if (!scanStart_) scanStart_ = tick;
}

bool CardModel::Scanning(DWORD tick) {
    CompleteScan(tick);
    return scanStart_.has_value();
}

void CardModel::CompleteScan(DWORD tick) {
    if (!scanStart_ ||
        static_cast<LONG>(tick - *scanStart_) < static_cast<LONG>(desc_.scanTimeMs)) {
        return;
    }
    DWORD done = *scanStart_ + desc_.scanTimeMs;
    scanStart_.reset();
    scanList_ = settings.radioOn ? world_->InRange(done) : std::vector<NetworkSighting>{};
}

const std::vector<NetworkSighting>& CardModel::ScanList(DWORD tick) {
    CompleteScan(tick);
    return scanList_;
}

TrafficCounters CardModel::Traffic(DWORD tick) {
    traffic_.Advance(tick, Connected());
    return traffic_.Counters();
}

void CardModel::SetTraffic(const TrafficSpec& traffic, DWORD tick) {
    traffic_.SetRates(traffic, tick, Connected());
}
