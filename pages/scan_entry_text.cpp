#include "pages/scan_entry_text.h"

#include <array>
#include <cstring>

#include "platform/core/text.h"

namespace {

constexpr std::array<DWORD, 14> kChannelFrequencies{2412000, 2417000, 2422000, 2427000, 2432000,
                                                    2437000, 2442000, 2447000, 2452000, 2457000,
                                                    2462000, 2467000, 2472000, 2484000};

constexpr DWORD kModeAdHoc = 0;
constexpr DWORD kModeInfrastructure = 1;
constexpr BYTE kBasicRate = 0x80;

const char* RateName(BYTE value) {
    switch (value) {
        case 2:
            return "1M";
        case 4:
            return "2M";
        case 11:
            return "5.5M";
        case 22:
            return "11M";
        default:
            return "";
    }
}

}  // namespace

std::string SsidText(const NdisWlanBssid& entry) {
    const char* bytes = reinterpret_cast<const char*>(entry.ssid);
    return AnsiToUtf8(std::string(bytes, strnlen(bytes, NDIS_SSID_MAX)));
}

std::string BssidText(const NdisWlanBssid& entry) {
    return HexText(entry.macAddress.data(), entry.macAddress.size(), HexCase::Lower, '-');
}

std::string ModeText(const NdisWlanBssid& entry) {
    if (entry.infrastructureMode == kModeInfrastructure) return "AP";
    if (entry.infrastructureMode == kModeAdHoc) return "Ad hoc";
    return "Auto";
}

std::string WepText(const NdisWlanBssid& entry) { return entry.privacy == 1 ? "On" : "Off"; }

std::string ChannelText(const NdisWlanBssid& entry) {
    for (std::size_t i = 0; i < kChannelFrequencies.size(); ++i) {
        if (kChannelFrequencies[i] == entry.configuration.dsConfig)
            return StrFormat("%d", static_cast<int>(i + 1));
    }
    return "";
}

std::string SignalText(const NdisWlanBssid& entry) {
    // Wide arithmetic: a driver's extreme value must not overflow.
    long long percent = (static_cast<long long>(entry.rssi) + 80) * 100 / 40;
    if (percent <= 0) percent = 1;
    if (percent > 100) percent = 100;
    return StrFormat("%d %%", static_cast<int>(percent));
}

std::string RatesText(const NdisWlanBssid& entry) {
    const BYTE* rates = entry.supportedRates;
    std::string text;
    for (std::size_t i = 0; i < NDIS_RATES_MAX && rates[i] != 0; ++i) {
        text += RateName(static_cast<BYTE>(rates[i] & ~kBasicRate));
        if (rates[i] & kBasicRate) text += "*";
        // The separator follows any non-zero next byte, also after a rate without a name.
        if (i + 1 < NDIS_RATES_MAX && rates[i + 1] != 0) text += ", ";
    }
    return text;
}
