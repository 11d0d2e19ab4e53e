#include "nl80211/nl_attributes.h"

#include <linux/nl80211.h>
#include <netlink/attr.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

constexpr std::uint8_t kSsidElement = 0;
constexpr std::uint8_t kRatesElement = 1;
constexpr std::uint8_t kExtendedRatesElement = 50;
constexpr std::size_t kMaxSsid = 32;
constexpr int kMacLength = 6;

template <int kMax>
struct Parsed {
    nlattr* at[kMax + 1] = {};
    bool ok = false;
};

// An attribute the parse checks: its type (which sets the smallest length for numbers), or the
// smallest length of a byte string.
struct Rule {
    int attr;
    std::uint16_t type = NLA_UNSPEC;
    std::uint16_t minlen = 0;
};

// Parses with a policy that gives each attribute the smallest length it is read with; a reply
// with a shorter one fails as a whole.
template <int kMax>
Parsed<kMax> Parse(nlattr* attrs, int length, std::initializer_list<Rule> rules) {
    Parsed<kMax> parsed;
    if (attrs == nullptr || length <= 0) return parsed;
    nla_policy policy[kMax + 1] = {};
    for (const Rule& rule : rules) {
        policy[rule.attr].type = rule.type;
        policy[rule.attr].minlen = rule.minlen;
    }
    parsed.ok = nla_parse(parsed.at, kMax, attrs, length, policy) == 0;
    return parsed;
}

template <int kMax>
Parsed<kMax> ParseNest(nlattr* nest, std::initializer_list<Rule> rules) {
    return Parse<kMax>(static_cast<nlattr*>(nla_data(nest)), nla_len(nest), rules);
}

void Copy(nlattr* attr, WifiMac& mac) { std::memcpy(mac.data(), nla_data(attr), mac.size()); }

std::string Text(nlattr* attr, std::size_t limit) {
    auto size = std::min<std::size_t>(static_cast<std::size_t>(nla_len(attr)), limit);
    std::string text(static_cast<const char*>(nla_data(attr)), size);
    // Interface names arrive NUL-terminated; SSIDs do not.
    if (auto end = text.find('\0'); end != std::string::npos) text.resize(end);
    return text;
}

std::uint32_t Bitrate(nlattr* nest) {
    auto rate = ParseNest<NL80211_RATE_INFO_MAX>(
        nest, {{NL80211_RATE_INFO_BITRATE, NLA_U16}, {NL80211_RATE_INFO_BITRATE32, NLA_U32}});
    if (!rate.ok) return 0;
    if (rate.at[NL80211_RATE_INFO_BITRATE32])
        return nla_get_u32(rate.at[NL80211_RATE_INFO_BITRATE32]);
    if (rate.at[NL80211_RATE_INFO_BITRATE]) return nla_get_u16(rate.at[NL80211_RATE_INFO_BITRATE]);
    return 0;
}

// A 64-bit byte counter when the kernel sends one, else the 32-bit one.
std::uint64_t Bytes(nlattr* wide, nlattr* narrow) {
    if (wide) return nla_get_u64(wide);
    return narrow ? nla_get_u32(narrow) : 0;
}

std::uint32_t U32(nlattr* attr) { return attr ? nla_get_u32(attr) : 0; }

StationFigures StationInfo(nlattr* nest) {
    auto info = ParseNest<NL80211_STA_INFO_MAX>(nest, {{NL80211_STA_INFO_RX_BYTES, NLA_U32},
                                                       {NL80211_STA_INFO_TX_BYTES, NLA_U32},
                                                       {NL80211_STA_INFO_RX_PACKETS, NLA_U32},
                                                       {NL80211_STA_INFO_TX_PACKETS, NLA_U32},
                                                       {NL80211_STA_INFO_TX_FAILED, NLA_U32},
                                                       {NL80211_STA_INFO_TX_RETRIES, NLA_U32},
                                                       {NL80211_STA_INFO_RX_BYTES64, NLA_U64},
                                                       {NL80211_STA_INFO_TX_BYTES64, NLA_U64},
                                                       {NL80211_STA_INFO_RX_DROP_MISC, NLA_U64},
                                                       {NL80211_STA_INFO_SIGNAL, NLA_U8},
                                                       {NL80211_STA_INFO_TX_BITRATE, NLA_NESTED}});
    StationFigures figures;
    if (!info.ok) return figures;
    auto* at = info.at;
    figures.present = true;
    if (at[NL80211_STA_INFO_SIGNAL]) {
        figures.signalDbm = static_cast<std::int8_t>(nla_get_u8(at[NL80211_STA_INFO_SIGNAL]));
    }
    if (at[NL80211_STA_INFO_TX_BITRATE])
        figures.txBitrate100k = Bitrate(at[NL80211_STA_INFO_TX_BITRATE]);
    figures.rxBytes = Bytes(at[NL80211_STA_INFO_RX_BYTES64], at[NL80211_STA_INFO_RX_BYTES]);
    figures.txBytes = Bytes(at[NL80211_STA_INFO_TX_BYTES64], at[NL80211_STA_INFO_TX_BYTES]);
    figures.rxPackets = U32(at[NL80211_STA_INFO_RX_PACKETS]);
    figures.txPackets = U32(at[NL80211_STA_INFO_TX_PACKETS]);
    figures.txFailed = U32(at[NL80211_STA_INFO_TX_FAILED]);
    figures.txRetries = U32(at[NL80211_STA_INFO_TX_RETRIES]);
    if (at[NL80211_STA_INFO_RX_DROP_MISC]) {
        figures.rxDropped =
            static_cast<std::uint32_t>(nla_get_u64(at[NL80211_STA_INFO_RX_DROP_MISC]));
    }
    return figures;
}

void AppendRates(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& rates) {
    rates.insert(rates.end(), data, data + size);
}

}  // namespace

namespace nl_attributes {

std::optional<WifiInterface> Interface(nlattr* attrs, int length) {
    auto parsed = Parse<NL80211_ATTR_MAX>(attrs, length,
                                          {{NL80211_ATTR_IFINDEX, NLA_U32},
                                           {NL80211_ATTR_WIPHY, NLA_U32},
                                           {NL80211_ATTR_IFTYPE, NLA_U32},
                                           {NL80211_ATTR_WIPHY_FREQ, NLA_U32},
                                           {NL80211_ATTR_IFNAME, NLA_STRING},
                                           {NL80211_ATTR_MAC, NLA_UNSPEC, kMacLength}});
    auto* at = parsed.at;
    if (!parsed.ok || !at[NL80211_ATTR_IFINDEX] || !at[NL80211_ATTR_IFNAME]) return std::nullopt;
    WifiInterface wifi;
    wifi.index = nla_get_u32(at[NL80211_ATTR_IFINDEX]);
    wifi.name = Text(at[NL80211_ATTR_IFNAME], 64);
    wifi.wiphy = U32(at[NL80211_ATTR_WIPHY]);
    wifi.type = U32(at[NL80211_ATTR_IFTYPE]);
    wifi.frequencyMhz = U32(at[NL80211_ATTR_WIPHY_FREQ]);
    if (at[NL80211_ATTR_MAC]) Copy(at[NL80211_ATTR_MAC], wifi.mac);
    if (at[NL80211_ATTR_SSID]) wifi.ssid = Text(at[NL80211_ATTR_SSID], kMaxSsid);
    return wifi;
}

StationFigures Station(nlattr* attrs, int length) {
    auto parsed = Parse<NL80211_ATTR_MAX>(
        attrs, length,
        {{NL80211_ATTR_STA_INFO, NLA_NESTED}, {NL80211_ATTR_MAC, NLA_UNSPEC, kMacLength}});
    if (!parsed.ok || !parsed.at[NL80211_ATTR_STA_INFO]) return {};
    StationFigures figures = StationInfo(parsed.at[NL80211_ATTR_STA_INFO]);
    if (parsed.at[NL80211_ATTR_MAC]) Copy(parsed.at[NL80211_ATTR_MAC], figures.peer);
    return figures;
}

void ReadElements(const std::uint8_t* data, std::size_t size, BssInfo& bss) {
    std::size_t at = 0;
    while (at + 2 <= size) {
        std::uint8_t id = data[at];
        std::size_t length = data[at + 1];
        const std::uint8_t* body = data + at + 2;
        if (at + 2 + length > size) break;
        if (id == kSsidElement && bss.ssid.empty()) {
            bss.ssid.assign(reinterpret_cast<const char*>(body), std::min(length, kMaxSsid));
        } else if (id == kRatesElement || id == kExtendedRatesElement) {
            AppendRates(body, length, bss.rates);
        }
        at += 2 + length;
    }
}

std::optional<BssInfo> Bss(nlattr* attrs, int length) {
    auto parsed = Parse<NL80211_ATTR_MAX>(attrs, length, {{NL80211_ATTR_BSS, NLA_NESTED}});
    if (!parsed.ok || !parsed.at[NL80211_ATTR_BSS]) return std::nullopt;
    auto bssAttrs = ParseNest<NL80211_BSS_MAX>(parsed.at[NL80211_ATTR_BSS],
                                               {{NL80211_BSS_BSSID, NLA_UNSPEC, kMacLength},
                                                {NL80211_BSS_FREQUENCY, NLA_U32},
                                                {NL80211_BSS_SIGNAL_MBM, NLA_U32},
                                                {NL80211_BSS_BEACON_INTERVAL, NLA_U16},
                                                {NL80211_BSS_CAPABILITY, NLA_U16},
                                                {NL80211_BSS_STATUS, NLA_U32}});
    auto* at = bssAttrs.at;
    if (!bssAttrs.ok || !at[NL80211_BSS_BSSID]) return std::nullopt;
    BssInfo bss;
    Copy(at[NL80211_BSS_BSSID], bss.bssid);
    bss.frequencyMhz = U32(at[NL80211_BSS_FREQUENCY]);
    // mBm: hundredths of a dBm.
    if (at[NL80211_BSS_SIGNAL_MBM]) {
        bss.signalDbm = static_cast<std::int32_t>(nla_get_u32(at[NL80211_BSS_SIGNAL_MBM])) / 100;
    }
    if (at[NL80211_BSS_BEACON_INTERVAL])
        bss.beaconInterval = nla_get_u16(at[NL80211_BSS_BEACON_INTERVAL]);
    if (at[NL80211_BSS_CAPABILITY]) bss.capability = nla_get_u16(at[NL80211_BSS_CAPABILITY]);
    if (at[NL80211_BSS_STATUS]) {
        std::uint32_t status = nla_get_u32(at[NL80211_BSS_STATUS]);
        bss.associated = status == NL80211_BSS_STATUS_ASSOCIATED;
    }
    nlattr* elements = at[NL80211_BSS_INFORMATION_ELEMENTS] ? at[NL80211_BSS_INFORMATION_ELEMENTS]
                                                            : at[NL80211_BSS_BEACON_IES];
    if (elements) {
        ReadElements(static_cast<const std::uint8_t*>(nla_data(elements)),
                     static_cast<std::size_t>(nla_len(elements)), bss);
    }
    return bss;
}

std::optional<bool> PowerSave(nlattr* attrs, int length) {
    auto parsed = Parse<NL80211_ATTR_MAX>(attrs, length, {{NL80211_ATTR_PS_STATE, NLA_U32}});
    if (!parsed.ok || !parsed.at[NL80211_ATTR_PS_STATE]) return std::nullopt;
    return nla_get_u32(parsed.at[NL80211_ATTR_PS_STATE]) == NL80211_PS_ENABLED;
}

}  // namespace nl_attributes
