#include "sim/driver_parameters.h"

#include <charconv>

#include "platform/core/text.h"
#include "platform/registry/registry_store.h"
#include "sim/channel_plan.h"

namespace {

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

}  // namespace

std::optional<std::string> DriverParameters::Apply(const std::string& key, bool apModeSupported,
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

void DriverParameters::WriteDriverVersion(const std::string& key, const std::string& version) {
    RegistryStore::Instance().SetString(key, "DriverVersion", version);
}
