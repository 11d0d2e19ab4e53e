#include "nl80211/linux_card.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "nl80211/ndis_records.h"
#include "rad4/oids.h"

namespace {

constexpr DWORD kQuery = 0;
constexpr DWORD kMediaConnected = 0;
constexpr DWORD kMediaDisconnected = 1;
constexpr DWORD kInfrastructure = 1;
constexpr DWORD kAdHoc = 0;
constexpr DWORD kStationMode = 1;
constexpr DWORD kAuthOpen = 0;
constexpr DWORD kAuthAutomatic = 2;
constexpr DWORD kWepOff = 1;
constexpr DWORD kPowerOff = 0;
constexpr DWORD kPowerMaximum = 2;
constexpr std::uint32_t kIbssType = 1;  // nl80211 interface type of an ad hoc interface
constexpr DWORD kMaxSsid = 32;
constexpr DWORD kUnitsPer100Kbit = 1000;  // link speed is counted in 100 bit/s
constexpr DWORD kDriverVersion = 0x00060000;
constexpr DWORD kMaximumFrame = 1514;  // Ethernet payload and header
constexpr DWORD kNetworkTypeOfdm24 = 3;

OidAnswer Reply(std::vector<BYTE> data) {
    OidAnswer answer;
    answer.data = std::move(data);
    return answer;
}

OidAnswer Word(std::uint64_t value) { return Reply(ndis_records::Le(value, 4)); }

OidAnswer Status(DWORD status) {
    OidAnswer answer;
    answer.status = status;
    return answer;
}

OidAnswer TooShort(DWORD needed) {
    OidAnswer answer = Status(ndis::kBufferTooShort);
    answer.bytesNeeded = needed;
    return answer;
}

// A frame counter: 32 bits in a 4-byte buffer, 64 bits when the caller offers 8.
OidAnswer Counter(const OidExchange& call, std::uint64_t value) {
    return Reply(ndis_records::Le(value, call.length >= 8 ? 8 : 4));
}

DWORD SetWord(const OidExchange& call) {
    DWORD value = 0;
    std::memcpy(&value, call.input.data(), sizeof value);
    return value;
}

// The smallest buffer each answered query needs.
DWORD QueryLength(DWORD id) {
    switch (id) {
        case oids::kCurrentAddress:
        case oids::kBssid:
            return 6;
        case oids::kSsid:
            return ndis_records::kSsidSize;
        case oids::kSupportedRates:
        case oids::kDesiredRates:
        case oids::kTxByteCount:
        case oids::kRxByteCount:
            return 8;
        case oids::kConfiguration:
            return ndis_records::kConfigurationSize;
        case oids::kStatistics:
            return ndis_records::kStatisticsSize;
        default:
            return 4;
    }
}

}  // namespace

LinuxCard::LinuxCard(WifiSource& source, WifiInterface wifi, Notice notice)
    : source_(source), wifi_(std::move(wifi)), notice_(std::move(notice)) {}

OidAnswer LinuxCard::Handle(const OidExchange& call) {
    if (call.type != kQuery) return Set(call);
    DWORD needed = QueryLength(call.oid);
    OidAnswer answer = Query(call);
    if (answer.status == ndis::kNotSupported) return answer;
    if (call.length < needed) return TooShort(needed);
    if (answer.data.size() > call.length) answer.data.resize(call.length);
    return answer;
}

const WifiInterface& LinuxCard::Current() {
    for (WifiInterface& wifi : source_.Interfaces()) {
        if (wifi.index == wifi_.index) wifi_ = std::move(wifi);
    }
    return wifi_;
}

bool LinuxCard::Connected() { return !Current().ssid.empty(); }

BssInfo LinuxCard::CurrentBss() {
    auto networks = source_.ScanResults(wifi_);
    auto found = std::find_if(networks.begin(), networks.end(),
                              [](const BssInfo& bss) { return bss.associated; });
    if (found != networks.end()) return *found;
    BssInfo bss;
    bss.ssid = wifi_.ssid;
    bss.frequencyMhz = wifi_.frequencyMhz;
    return bss;
}

// -95 dBm and below is no quality, -45 dBm and above full quality.
DWORD LinuxCard::LinkQuality() {
    StationFigures station = source_.Station(wifi_);
    if (!station.present) return 0;
    return static_cast<DWORD>(std::clamp(2 * (station.signalDbm + 95), 0, 100));
}

OidAnswer LinuxCard::Query(const OidExchange& call) {
    switch (call.oid) {
        case oids::kCurrentAddress:
            return Reply({wifi_.mac.begin(), wifi_.mac.end()});
        case oids::kVendorDriverVersion:
            return Word(kDriverVersion);
        case oids::kMaximumTotalSize:
            return Word(kMaximumFrame);
        case oids::kStatusWord:
            return Word(0);
        case oids::kXmitOk:
        case oids::kRcvOk:
        case oids::kXmitError:
        case oids::kRcvError:
        case oids::kTxByteCount:
        case oids::kRxByteCount:
        case oids::kStatistics:
            return QueryCounters(call);
        case oids::kPowerMode:
        case oids::kRadioState:
        case oids::kInfrastructureMode:
        case oids::kAuthType:
        case oids::kWepStatus:
        case oids::kWepDisable:
        case oids::kApMode:
        case oids::kScanState:
            return QuerySettings(call);
    }
    return QueryLink(call);
}

OidAnswer LinuxCard::QueryLink(const OidExchange& call) {
    switch (call.oid) {
        case oids::kMediaConnectStatus:
            return Word(Connected() ? kMediaConnected : kMediaDisconnected);
        case oids::kLinkSpeed:
            return Word(std::uint64_t{source_.Station(wifi_).txBitrate100k} * kUnitsPer100Kbit);
        case oids::kRssi:
            return Word(static_cast<DWORD>(source_.Station(wifi_).signalDbm));
        case oids::kLinkQuality:
            return Word(LinkQuality());
        case oids::kNetworkTypeInUse:
            return Word(Connected() ? ndis_records::NetworkType(CurrentBss()) : kNetworkTypeOfdm24);
        case oids::kSsid:
            return Reply(ndis_records::Ssid(Current().ssid));
        case oids::kBssid: {
            WifiMac peer = Connected() ? source_.Station(wifi_).peer : WifiMac{};
            return Reply({peer.begin(), peer.end()});
        }
        case oids::kConfiguration: {
            BssInfo bss = CurrentBss();
            return Reply(ndis_records::Configuration(bss.frequencyMhz, bss.beaconInterval));
        }
        case oids::kSupportedRates:
        case oids::kDesiredRates:
            return Reply(ndis_records::RateList(Connected() ? CurrentBss().rates
                                                            : std::vector<std::uint8_t>{}));
        case oids::kBssidList:
            return Reply(ndis_records::NetworkList(source_.ScanResults(wifi_), call.length));
    }
    return Status(ndis::kNotSupported);
}

OidAnswer LinuxCard::QueryCounters(const OidExchange& call) {
    StationFigures s = source_.Station(wifi_);
    switch (call.oid) {
        case oids::kXmitOk:
            return Counter(call, s.txPackets);
        case oids::kRcvOk:
            return Counter(call, s.rxPackets);
        case oids::kXmitError:
            return Counter(call, s.txFailed);
        case oids::kRcvError:
            return Counter(call, s.rxDropped);
        case oids::kTxByteCount:
            return Reply(ndis_records::Le(s.txBytes, 8));
        case oids::kRxByteCount:
            return Reply(ndis_records::Le(s.rxBytes, 8));
    }
    return Reply(ndis_records::Statistics(s));
}

OidAnswer LinuxCard::QuerySettings(const OidExchange& call) {
    switch (call.oid) {
        case oids::kPowerMode: {
            auto on = source_.PowerSave(wifi_);
            if (!on) return Status(ndis::kNotSupported);
            return Word(*on ? kPowerMaximum : kPowerOff);
        }
        case oids::kRadioState: {
            auto on = source_.RadioOn(wifi_);
            if (!on) return Status(ndis::kNotSupported);
            return Word(*on ? 1 : 0);
        }
        case oids::kInfrastructureMode:
            return Word(Current().type == kIbssType ? kAdHoc : kInfrastructure);
        case oids::kScanState:
            return Word(source_.Scanning(wifi_) ? 1 : 0);
        case oids::kApMode:
            return Word(kStationMode);
        case oids::kAuthType:
            return Word(kAuthOpen);
    }
    // Open networks only: encryption is off.
    return Word(kWepOff);
}

DWORD LinuxCard::Outcome(int error, const char* what) {
    if (error == 0) return ndis::kSuccess;
    if (notice_) {
        std::string line = wifi_.name + ": " + what + " refused: " + std::strerror(error);
        if (error == EPERM || error == EACCES) line += " (needs root or CAP_NET_ADMIN)";
        notice_(line);
    }
    return ndis::kFailure;
}

int LinuxCard::Join(const std::string& ssid) {
    std::uint32_t frequency = 0;
    for (const BssInfo& bss : source_.ScanResults(wifi_)) {
        if (bss.ssid == ssid) frequency = bss.frequencyMhz;
    }
    return source_.Connect(Current(), ssid, frequency);
}

OidAnswer LinuxCard::SetSsid(const OidExchange& call) {
    if (call.length < ndis_records::kSsidSize) return TooShort(ndis_records::kSsidSize);
    DWORD length = SetWord(call);
    if (length > kMaxSsid) return Status(ndis::kInvalidData);
    std::string ssid(call.input.begin() + 4, call.input.begin() + 4 + length);
    return Status(Outcome(Join(ssid), "join"));
}

OidAnswer LinuxCard::SetRadio(DWORD on) {
    if (on > 1) return Status(ndis::kInvalidData);
    std::string network = on == 1 ? rejoin_ : Current().ssid;
    DWORD status = Outcome(source_.SetRadio(wifi_, on == 1), "radio switch");
    if (status != ndis::kSuccess) return Status(status);
    if (on == 0) {
        rejoin_ = network;
    } else if (!network.empty()) {
        rejoin_.clear();
        Outcome(Join(network), "join");
    }
    return Status(status);
}

OidAnswer LinuxCard::Set(const OidExchange& call) {
    if (call.oid == oids::kSsid) return SetSsid(call);
    if (call.oid == oids::kDisassociate) return Status(Outcome(source_.Disconnect(wifi_), "leave"));
    if (call.oid == oids::kBssidListScan)
        return Status(Outcome(source_.TriggerScan(wifi_), "scan"));
    if (call.length < 4 || call.input.size() < 4) {
        OidAnswer answer = Status(ndis::kInvalidLength);
        answer.bytesNeeded = 4;
        return answer;
    }
    DWORD value = SetWord(call);
    switch (call.oid) {
        case oids::kPowerMode:
            if (value > kPowerMaximum) return Status(ndis::kInvalidData);
            return Status(Outcome(source_.SetPowerSave(wifi_, value != kPowerOff), "power saving"));
        case oids::kRadioState:
            return SetRadio(value);
        // What a Linux station already is: accepted as it stands, anything else unsupported.
        case oids::kInfrastructureMode:
            return Status(value == kInfrastructure ? ndis::kSuccess : ndis::kNotSupported);
        case oids::kApMode:
            return Status(value == kStationMode ? ndis::kSuccess : ndis::kNotSupported);
        case oids::kAuthType:
            return Status(value == kAuthOpen || value == kAuthAutomatic ? ndis::kSuccess
                                                                        : ndis::kNotSupported);
        case oids::kWepDisable:
            return Status(value == kWepOff ? ndis::kSuccess : ndis::kNotSupported);
    }
    return Status(ndis::kNotSupported);
}
