#include "nl80211/linux_card.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "nl80211/ndis_records.h"

namespace oid {
constexpr DWORD kLinkSpeed = 0x00010107;
constexpr DWORD kMaximumTotalSize = 0x00010111;
constexpr DWORD kMediaConnectStatus = 0x00010114;
constexpr DWORD kVendorDriverVersion = 0x00010116;
constexpr DWORD kXmitOk = 0x00020101;
constexpr DWORD kRcvOk = 0x00020102;
constexpr DWORD kXmitError = 0x00020103;
constexpr DWORD kRcvError = 0x00020104;
constexpr DWORD kCurrentAddress = 0x01010102;
constexpr DWORD kNetworkTypeInUse = 0x0D010204;
constexpr DWORD kStatusWord = 0xFFA0C000;
constexpr DWORD kBssid = 0xFFA0C001;
constexpr DWORD kSsid = 0xFFA0C002;
constexpr DWORD kRssi = 0xFFA0C006;
constexpr DWORD kInfrastructureMode = 0xFFA0C008;
constexpr DWORD kSupportedRates = 0xFFA0C00E;
constexpr DWORD kDesiredRates = 0xFFA0C00F;
constexpr DWORD kConfiguration = 0xFFA0C010;
constexpr DWORD kStatistics = 0xFFA0C011;
constexpr DWORD kDisassociate = 0xFFA0C014;
constexpr DWORD kPowerMode = 0xFFA0C015;
constexpr DWORD kBssidList = 0xFFA0C016;
constexpr DWORD kAuthType = 0xFFA0C017;
constexpr DWORD kBssidListScan = 0xFFA0C019;
constexpr DWORD kWepStatus = 0xFFA0C01A;
constexpr DWORD kWepDisable = 0xFFA0C01C;
constexpr DWORD kLinkQuality = 0xFFA0C503;
constexpr DWORD kTxByteCount = 0xFFA0C508;
constexpr DWORD kRxByteCount = 0xFFA0C509;
constexpr DWORD kScanState = 0xFFA0C50A;
constexpr DWORD kApMode = 0xFFA0C511;
constexpr DWORD kRadioState = 0xFFA0C516;
}  // namespace oid

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
    OidAnswer answer = Status(ndis_status::kBufferTooShort);
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
        case oid::kCurrentAddress:
        case oid::kBssid:
            return 6;
        case oid::kSsid:
            return ndis_records::kSsidSize;
        case oid::kSupportedRates:
        case oid::kDesiredRates:
        case oid::kTxByteCount:
        case oid::kRxByteCount:
            return 8;
        case oid::kConfiguration:
            return ndis_records::kConfigurationSize;
        case oid::kStatistics:
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
    if (answer.status == ndis_status::kNotSupported) return answer;
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
        case oid::kCurrentAddress:
            return Reply({wifi_.mac.begin(), wifi_.mac.end()});
        case oid::kVendorDriverVersion:
            return Word(kDriverVersion);
        case oid::kMaximumTotalSize:
            return Word(kMaximumFrame);
        case oid::kStatusWord:
            return Word(0);
        case oid::kXmitOk:
        case oid::kRcvOk:
        case oid::kXmitError:
        case oid::kRcvError:
        case oid::kTxByteCount:
        case oid::kRxByteCount:
        case oid::kStatistics:
            return QueryCounters(call);
        case oid::kPowerMode:
        case oid::kRadioState:
        case oid::kInfrastructureMode:
        case oid::kAuthType:
        case oid::kWepStatus:
        case oid::kWepDisable:
        case oid::kApMode:
        case oid::kScanState:
            return QuerySettings(call);
    }
    return QueryLink(call);
}

OidAnswer LinuxCard::QueryLink(const OidExchange& call) {
    switch (call.oid) {
        case oid::kMediaConnectStatus:
            return Word(Connected() ? kMediaConnected : kMediaDisconnected);
        case oid::kLinkSpeed:
            return Word(std::uint64_t{source_.Station(wifi_).txBitrate100k} * kUnitsPer100Kbit);
        case oid::kRssi:
            return Word(static_cast<DWORD>(source_.Station(wifi_).signalDbm));
        case oid::kLinkQuality:
            return Word(LinkQuality());
        case oid::kNetworkTypeInUse:
            return Word(Connected() ? ndis_records::NetworkType(CurrentBss()) : kNetworkTypeOfdm24);
        case oid::kSsid:
            return Reply(ndis_records::Ssid(Current().ssid));
        case oid::kBssid: {
            WifiMac peer = Connected() ? source_.Station(wifi_).peer : WifiMac{};
            return Reply({peer.begin(), peer.end()});
        }
        case oid::kConfiguration: {
            BssInfo bss = CurrentBss();
            return Reply(ndis_records::Configuration(bss.frequencyMhz, bss.beaconInterval));
        }
        case oid::kSupportedRates:
        case oid::kDesiredRates:
            return Reply(ndis_records::RateList(Connected() ? CurrentBss().rates
                                                            : std::vector<std::uint8_t>{}));
        case oid::kBssidList:
            return Reply(ndis_records::NetworkList(source_.ScanResults(wifi_), call.length));
    }
    return Status(ndis_status::kNotSupported);
}

OidAnswer LinuxCard::QueryCounters(const OidExchange& call) {
    StationFigures s = source_.Station(wifi_);
    switch (call.oid) {
        case oid::kXmitOk:
            return Counter(call, s.txPackets);
        case oid::kRcvOk:
            return Counter(call, s.rxPackets);
        case oid::kXmitError:
            return Counter(call, s.txFailed);
        case oid::kRcvError:
            return Counter(call, s.rxDropped);
        case oid::kTxByteCount:
            return Reply(ndis_records::Le(s.txBytes, 8));
        case oid::kRxByteCount:
            return Reply(ndis_records::Le(s.rxBytes, 8));
    }
    return Reply(ndis_records::Statistics(s));
}

OidAnswer LinuxCard::QuerySettings(const OidExchange& call) {
    switch (call.oid) {
        case oid::kPowerMode: {
            auto on = source_.PowerSave(wifi_);
            if (!on) return Status(ndis_status::kNotSupported);
            return Word(*on ? kPowerMaximum : kPowerOff);
        }
        case oid::kRadioState: {
            auto on = source_.RadioOn(wifi_);
            if (!on) return Status(ndis_status::kNotSupported);
            return Word(*on ? 1 : 0);
        }
        case oid::kInfrastructureMode:
            return Word(Current().type == kIbssType ? kAdHoc : kInfrastructure);
        case oid::kScanState:
            return Word(source_.Scanning(wifi_) ? 1 : 0);
        case oid::kApMode:
            return Word(kStationMode);
        case oid::kAuthType:
            return Word(kAuthOpen);
    }
    // Open networks only: encryption is off.
    return Word(kWepOff);
}

DWORD LinuxCard::Outcome(int error, const char* what) {
    if (error == 0) return ndis_status::kSuccess;
    if (notice_) {
        std::string line = wifi_.name + ": " + what + " refused: " + std::strerror(error);
        if (error == EPERM || error == EACCES) line += " (needs root or CAP_NET_ADMIN)";
        notice_(line);
    }
    return ndis_status::kFailure;
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
    if (length > kMaxSsid) return Status(ndis_status::kInvalidData);
    std::string ssid(call.input.begin() + 4, call.input.begin() + 4 + length);
    return Status(Outcome(Join(ssid), "join"));
}

OidAnswer LinuxCard::SetRadio(DWORD on) {
    if (on > 1) return Status(ndis_status::kInvalidData);
    std::string network = on == 1 ? rejoin_ : Current().ssid;
    DWORD status = Outcome(source_.SetRadio(wifi_, on == 1), "radio switch");
    if (status != ndis_status::kSuccess) return Status(status);
    if (on == 0) {
        rejoin_ = network;
    } else if (!network.empty()) {
        rejoin_.clear();
        Outcome(Join(network), "join");
    }
    return Status(status);
}

OidAnswer LinuxCard::Set(const OidExchange& call) {
    if (call.oid == oid::kSsid) return SetSsid(call);
    if (call.oid == oid::kDisassociate) return Status(Outcome(source_.Disconnect(wifi_), "leave"));
    if (call.oid == oid::kBssidListScan) return Status(Outcome(source_.TriggerScan(wifi_), "scan"));
    if (call.length < 4 || call.input.size() < 4) {
        OidAnswer answer = Status(ndis_status::kInvalidLength);
        answer.bytesNeeded = 4;
        return answer;
    }
    DWORD value = SetWord(call);
    switch (call.oid) {
        case oid::kPowerMode:
            if (value > kPowerMaximum) return Status(ndis_status::kInvalidData);
            return Status(Outcome(source_.SetPowerSave(wifi_, value != kPowerOff), "power saving"));
        case oid::kRadioState:
            return SetRadio(value);
        // What a Linux station already is: accepted as it stands, anything else unsupported.
        case oid::kInfrastructureMode:
            return Status(value == kInfrastructure ? ndis_status::kSuccess
                                                   : ndis_status::kNotSupported);
        case oid::kApMode:
            return Status(value == kStationMode ? ndis_status::kSuccess
                                                : ndis_status::kNotSupported);
        case oid::kAuthType:
            return Status(value == kAuthOpen || value == kAuthAutomatic
                              ? ndis_status::kSuccess
                              : ndis_status::kNotSupported);
        case oid::kWepDisable:
            return Status(value == kWepOff ? ndis_status::kSuccess : ndis_status::kNotSupported);
    }
    return Status(ndis_status::kNotSupported);
}
