#include "adapter/oid_adapter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "platform/core/text.h"

namespace {

// Device class of this adapter: one that knows the access-point sub-modes.
constexpr int DEVICE_CLASS_AP_CAPABLE = 2;
constexpr DWORD AP_MODE_ACCESS_POINT = 2;
constexpr DWORD INFRASTRUCTURE = 1;
constexpr DWORD AD_HOC = 0;

// Rates in 500 kbit/s units, in the order of the rate choices 1 to 4 and their flags.
constexpr BYTE RATE_UNITS[] = {2, 4, 11, 22};
constexpr int RATE_AUTO_MASK = 15;
constexpr DWORD MAC_FLAG_REGISTER = 0x2F4;
constexpr int MAC_FLAG_BIT = 30;
constexpr WORD EEPROM_WORD_19 = 19;
constexpr DWORD PRESET_CLEARED = 0xFFFFFFFF;

// Power mode and antenna: interface value -> driver value.
constexpr DWORD POWER_MODE_TO_DRIVER[] = {0, 2, 1};
constexpr LONG ANTENNA_TO_DRIVER[] = {0, 1, -1};

std::string Decimal(int value) { return StrFormat("%d", value); }

DWORD Low32(ULONGLONG counter) { return static_cast<DWORD>(counter); }

// Flag bit of a rate in 500 kbit/s units, 0 for a rate outside 802.11b.
int RateFlag(BYTE rate) {
    for (int i = 0; i < 4; ++i) {
        if (rate == RATE_UNITS[i]) return 1 << i;
    }
    return 0;
}

// Outputs of the detail statistics that report 0 when the caller preset them to -1.
bool PresetClears(std::size_t k) {
    return (k >= 1 && k <= 6) || k == STAT_FRAME_DUPLICATES || k == STAT_MULTICAST_RECEIVED_FRAMES;
}

std::string HexBytes(const BYTE* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += StrFormat("%02x", bytes[i]);
    return text;
}

}  // namespace

OidAdapter::OidAdapter(const WString& adapterName) {
    try {
        channel = std::make_unique<AdapterChannel>(adapterName);
    } catch (const std::bad_alloc&) {
        channel.reset();
    }
}

template <class Convert>
WlanAdapter::Reply OidAdapter::QueryWord(DWORD oid, Convert convert) {
    DWORD value = 0;
    Reply reply = Query(oid, &value, sizeof value);
    if (reply == Reply::Answered) convert(value);
    return reply;
}

int OidAdapter::SetAndStore(DWORD oid, DWORD value, const char* name, int registryValue) {
    if (!SendValue(oid, value)) return 0;
    WriteRegistryValue(name, Decimal(registryValue), 0);
    return 1;
}

// Identity and link state.

void OidAdapter::NoOperation() {}

int OidAdapter::GetStatusWord(DWORD& value) {
    return Unchecked(QueryWord(OID_PRIV_STATUS_WORD, [&](DWORD v) { value = v; }));
}

int OidAdapter::GetDeviceClass(int& deviceClass) {
    deviceClass = DEVICE_CLASS_AP_CAPABLE;
    return 1;
}

int OidAdapter::GetScanState(std::string& text, int& code) {
    return Unchecked(QueryWord(OID_PRIV_SCAN_STATE, [&](DWORD v) {
        code = static_cast<int>(v);
        text = v == 1 ? "Disconnected. Scanning..." : "Disconnected.";
    }));
}

int OidAdapter::GetConnectStatus(int& state) {
    return Unchecked(
        QueryWord(OID_GEN_MEDIA_CONNECT_STATUS, [&](DWORD v) { state = static_cast<int>(v); }));
}

int OidAdapter::GetBssidText(std::string& text) {
    MacAddress bssid{};
    Reply reply = QueryRecord(OID_PRIV_BSSID, bssid);
    if (reply == Reply::Answered) text = MacText(bssid);
    return Unchecked(reply);
}

int OidAdapter::GetBssid(MacAddress& bssid) {
    return Unchecked(QueryRecord(OID_PRIV_BSSID, bssid));
}

int OidAdapter::GetSsid(std::string& ssid) {
    SsidPayload reply{};
    Reply result = QueryRecord(OID_PRIV_SSID, reply);
    if (result == Reply::Answered) {
        std::size_t length = std::min<DWORD>(reply.length, NDIS_SSID_MAX);
        std::string bytes(reinterpret_cast<const char*>(reply.ssid), length);
        ssid = AnsiToUtf8(bytes.substr(0, bytes.find('\0')));
    }
    return Unchecked(result);
}

int OidAdapter::GetLinkSpeedText(std::string& text) {
    return Unchecked(QueryWord(OID_GEN_LINK_SPEED, [&](DWORD speed) {
        switch (speed / 10000) {
            case 1:
                text = "1 Mbps";
                break;
            case 2:
                text = "2 Mbps";
                break;
            case 5:
                text = "5.5 Mbps";
                break;
            case 11:
                text = "11 Mbps";
                break;
            default:
                break;
        }
    }));
}

int OidAdapter::GetSignalStrength(int& percent) {
    return Unchecked(QueryWord(OID_PRIV_RSSI, [&](DWORD v) {
        long long dbm = static_cast<LONG>(v);
        long long scaled = (dbm + 80) * 100 / 40;
        percent = static_cast<int>(std::clamp(scaled, 1LL, 100LL));
    }));
}

int OidAdapter::GetLinkQuality(int& quality) {
    return Unchecked(
        QueryWord(OID_PRIV_LINK_QUALITY, [&](DWORD v) { quality = static_cast<int>(v & 0xFF); }));
}

// Network type, rates and configuration.

int OidAdapter::GetBssType(int& type) {
    DWORD apMode = 0;
    Reply first = Query(OID_PRIV_AP_MODE, &apMode, sizeof apMode);
    if (first == Reply::Answered && apMode == AP_MODE_ACCESS_POINT) {
        type = 2;
        return 2;
    }
    Reply second = QueryWord(OID_PRIV_INFRASTRUCTURE, [&](DWORD v) {
        if (v == AD_HOC) type = 1;
        if (v == INFRASTRUCTURE) type = 0;
    });
    int result = second == Reply::NotIssued ? 4 : 8;
    // Bit 0: the driver gave no answer to the access-point query, whether no request could
    // be made or the driver refused it; such a driver cannot be an access point.
    return first != Reply::Answered ? result | 1 : result;
}

int OidAdapter::SetBssType(int type) {
    if (type < 0 || type > 2) return 0;
    DWORD apMode = type == 2 ? AP_MODE_ACCESS_POINT : 1;
    DWORD infrastructure = type == 1 ? AD_HOC : INFRASTRUCTURE;
    int deviceCode = type == 2 ? 2 : 1;
    if (!SendValue(OID_PRIV_AP_MODE, apMode) || !SendValue(OID_PRIV_INFRASTRUCTURE, infrastructure))
        return 0;
    int deviceClass = 0;
    GetDeviceClass(deviceClass);
    int bssType = deviceClass == 1 ? type + 1 : (type == 1 ? 2 : 1);
    WriteRegistryValue("BssType", Decimal(bssType), 1);
    WriteRegistryValue("DeviceType", Decimal(deviceCode), 1);
    return 1;
}

int OidAdapter::GetTxRate(int& rate) {
    RateList rates{};
    Reply reply = QueryRecord(OID_PRIV_DESIRED_RATES, rates);
    int flags = 0;
    for (BYTE unit : rates) {
        if (unit == 0) break;
        flags |= RateFlag(unit);
    }
    if (flags == RATE_AUTO_MASK) {
        rate = 0;
    } else if (flags != 0) {
        for (int choice = 4; choice >= 1; --choice) {
            if (flags & (1 << (choice - 1))) {
                rate = choice;
                break;
            }
        }
    }
    return Unchecked(reply);
}

int OidAdapter::GetSupportedRates(int& rates) {
    RateList list{};
    Reply reply = QueryRecord(OID_PRIV_SUPPORTED_RATES, list);
    if (reply != Reply::Answered) return Unchecked(reply);
    rates = 0;
    for (BYTE unit : list) {
        if (unit == 0) break;
        int flag = RateFlag(unit & 0x7F);  // basic-rate bit ignored
        if (flag == 0) {
            rates = static_cast<int>(0x80000000u);
            return 0;
        }
        rates |= flag;
    }
    return 1;
}

int OidAdapter::SetTxRate(int rate) {
    if (rate < 0 || rate > 4) return 0;
    RateList list{};
    if (rate == 0) {
        std::copy(std::begin(RATE_UNITS), std::end(RATE_UNITS), list.begin());
    } else {
        list[0] = RATE_UNITS[rate - 1];
    }
    if (!SendRecord(OID_PRIV_DESIRED_RATES, list)) return 0;
    WriteRegistryValue("Rate", Decimal(rate == 0 ? RATE_AUTO_MASK : 1 << (rate - 1)), 0);
    return 1;
}

int OidAdapter::SetConfiguration(NdisConfiguration config, int channelNumber, int beaconPeriod) {
    DWORD frequency = config.dsConfig;
    if (channelNumber != 0) {
        frequency = ChannelFrequency(channelNumber);
        if (frequency == NO_FREQUENCY) return 0;
    }
    NdisConfiguration payload{};
    payload.length = sizeof payload;
    payload.beaconPeriod =
        beaconPeriod != 0 ? static_cast<DWORD>(beaconPeriod) : config.beaconPeriod;
    payload.atimWindow = config.atimWindow;
    payload.dsConfig = frequency;
    if (!SendRecord(OID_PRIV_CONFIGURATION, payload)) return 0;
    constexpr int IBSS_TABLE_CHANNELS = 14;
    int stored =
        channelNumber != 0 ? channelNumber : FrequencyChannel(frequency, IBSS_TABLE_CHANNELS);
    WriteRegistryValue("IbssChannel", Decimal(stored), 0);
    return 1;
}

// Radio settings.

int OidAdapter::Disassociate() { return SendCommand(OID_PRIV_DISASSOCIATE) ? 1 : 0; }

int OidAdapter::SetOption510(int value) {
    return SendValue(OID_PRIV_OPTION_510, static_cast<DWORD>(value)) ? 1 : 0;
}

int OidAdapter::SetPowerMode(int mode) {
    if (mode < 0 || mode > 2) return 0;
    return SetAndStore(OID_PRIV_POWER_MODE, POWER_MODE_TO_DRIVER[mode], "PowerMode", mode);
}

int OidAdapter::GetPowerMode(int& mode) {
    return Checked(QueryWord(OID_PRIV_POWER_MODE, [&](DWORD v) {
        for (int i = 0; i < 3; ++i) {
            if ((v & 0xFF) == POWER_MODE_TO_DRIVER[i]) mode = i;
        }
    }));
}

int OidAdapter::SetPreambleType(int value) {
    return SetAndStore(OID_PRIV_PREAMBLE, static_cast<DWORD>(value), "PreambleType", value);
}

int OidAdapter::GetPreambleType(int& value) {
    return Checked(QueryWord(OID_PRIV_PREAMBLE, [&](DWORD v) { value = static_cast<int>(v); }));
}

int OidAdapter::SetFragThreshold(int bytes) {
    return SetAndStore(OID_PRIV_FRAG_THRESHOLD, static_cast<DWORD>(bytes), "FragThreshold", bytes);
}

int OidAdapter::GetFragThreshold(int& bytes) {
    return Unchecked(
        QueryWord(OID_PRIV_FRAG_THRESHOLD, [&](DWORD v) { bytes = static_cast<int>(v); }));
}

int OidAdapter::SetRtsThreshold(int bytes) {
    return SetAndStore(OID_PRIV_RTS_THRESHOLD, static_cast<DWORD>(bytes), "RtsThreshold", bytes);
}

int OidAdapter::GetRtsThreshold(int& bytes) {
    return Unchecked(
        QueryWord(OID_PRIV_RTS_THRESHOLD, [&](DWORD v) { bytes = static_cast<int>(v); }));
}

int OidAdapter::SetEnvironmentCondition(int value) {
    return SetAndStore(OID_PRIV_ENVIRONMENT, static_cast<DWORD>(value), "EnvironmentCondition",
                       value);
}

int OidAdapter::GetEnvironmentCondition(int& value) {
    return Unchecked(
        QueryWord(OID_PRIV_ENVIRONMENT, [&](DWORD v) { value = static_cast<int>(v & 1); }));
}

int OidAdapter::SetRxAntenna(int choice) {
    if (choice < 0 || choice > 2) {
        ShowMessage("Wrong input at SetRxAntenna()");
        return 0;
    }
    LONG antenna = ANTENNA_TO_DRIVER[choice];
    return SetAndStore(OID_PRIV_RX_ANTENNA, static_cast<DWORD>(antenna), "RxAntennaNumber",
                       antenna);
}

int OidAdapter::GetRxAntenna(int& choice) {
    return Unchecked(QueryWord(OID_PRIV_RX_ANTENNA, [&](DWORD v) {
        for (int i = 0; i < 3; ++i) {
            if (static_cast<LONG>(v) == ANTENNA_TO_DRIVER[i]) choice = i;
        }
    }));
}

int OidAdapter::GetOption50C(int& value) {
    return Checked(QueryWord(OID_PRIV_OPTION_50C, [&](DWORD v) { value = static_cast<int>(v); }));
}

// Security and keys.

int OidAdapter::GetAuthType(int& type) {
    return Checked(
        QueryWord(OID_PRIV_AUTH_MODE, [&](DWORD v) { type = v <= 2 ? static_cast<int>(v) : -1; }));
}

int OidAdapter::SetAuthType(int type) {
    if (type < 0 || type > 2) return 0;
    return SetAndStore(OID_PRIV_AUTH_MODE, static_cast<DWORD>(type), "AuthType", type);
}

int OidAdapter::GetWepStatus(int& status) {
    return Checked(QueryWord(OID_PRIV_WEP_STATUS, [&](DWORD v) {
        status = v == 0 ? 1 : (v == 1 || v == 2) ? 0 : -1;
    }));
}

int OidAdapter::SetWepEnabled(int enabled) {
    return SendValue(OID_PRIV_WEP_ENABLE, enabled != 0 ? 0 : 1) ? 1 : 0;
}

int OidAdapter::WepKeyExchange(const std::string& hexText, int keyBytes, BYTE mode, WepKey& reply) {
    WepKeyRecord record{};
    auto count = static_cast<std::size_t>(std::clamp(keyBytes, 0, int(sizeof record.key)));
    ParseHexBytes(hexText, std::span<BYTE>(record.key, count));
    record.mode = mode;
    if (!Exchange(OID_PRIV_WEP_KEY, record)) return 0;
    std::copy(std::begin(record.key), std::end(record.key), reply.begin());
    return 1;
}

int OidAdapter::SetWepKeyText(std::string hexText, int length, std::string& reply) {
    reply.clear();
    WepKey key{};
    if (!WepKeyExchange(hexText, length, 0, key)) return 0;
    reply = HexBytes(key.data(), key.size());
    return 1;
}

int OidAdapter::GetWepKeyText(std::string hexText, int count, std::string& reply) {
    reply.clear();
    WepKey key{};
    if (!WepKeyExchange(hexText, int(key.size()), 1, key)) return 0;
    reply = HexBytes(key.data(), static_cast<std::size_t>(std::clamp(count, 0, int(key.size()))));
    return 1;
}

int OidAdapter::SetKeyEntry(const KeyEntry& entry) {
    return SendRecord(OID_PRIV_KEY_ENTRY, entry) ? 1 : 0;
}

int OidAdapter::GetKeyEntry(int index, KeyEntry& entry) {
    KeyEntry record{};
    auto keyIndex = static_cast<DWORD>(index);
    std::memcpy(record.data(), &keyIndex, sizeof keyIndex);
    record[9] = 0xFF;
    if (!Exchange(OID_PRIV_KEY_ENTRY, record)) return 0;
    entry = record;
    return 1;
}

// Scan list and card identity.

int OidAdapter::StartScan() { return SendCommand(OID_PRIV_BSSID_LIST_SCAN) ? 1 : 0; }

int OidAdapter::GetBssidList(NdisBssidList& list) {
    list = NdisBssidList{};
    Reply reply = Query(OID_PRIV_BSSID_LIST, &list, sizeof list);
    if (reply != Reply::Answered) list = NdisBssidList{};
    return Unchecked(reply);
}

int OidAdapter::GetInfoBlock(InfoBlock& block) {
    return Unchecked(QueryRecord(OID_PRIV_INFO_BLOCK, block));
}

int OidAdapter::GetEepromWord19(WORD& value) { return ReadEepromWord(EEPROM_WORD_19, value); }

int OidAdapter::GetMacFlag(int& flag) {
    if (!HasChannel()) return 0;
    DWORD value = 0;
    if (ReadMacRegister(MAC_FLAG_REGISTER, value)) flag = (value >> MAC_FLAG_BIT) & 1;
    return 1;
}

// Statistics.

int OidAdapter::GetStatistics(ULONGLONG& txBytes, ULONGLONG& rxBytes, DWORD& framesSent,
                              DWORD& sendErrors, DWORD& framesReceived, DWORD& goodCrc,
                              DWORD& rxErrors) {
    QueryRecord(OID_PRIV_TX_BYTES, txBytes);
    QueryRecord(OID_PRIV_RX_BYTES, rxBytes);
    QueryRecord(OID_GEN_XMIT_OK, framesSent);
    QueryRecord(OID_GEN_XMIT_ERROR, sendErrors);
    QueryRecord(OID_GEN_RCV_OK, framesReceived);
    QueryRecord(OID_GEN_RCV_ERROR, rxErrors);
    NdisStatistics stats{};
    if (Query(OID_PRIV_STATISTICS, &stats, sizeof stats) != Reply::Answered) return 0;
    DWORD a = 0, b = 0, c = 0;
    GetDiagCounters805(a, b, c);
    goodCrc = a + b + c + Low32(stats.counters[STAT_FRAME_DUPLICATES]) +
              Low32(stats.counters[STAT_RECEIVED_FRAGMENTS]);
    return 1;
}

int OidAdapter::GetStatisticsDetail(StatisticsDetail& counters) {
    NdisStatistics stats{};
    Reply reply = Query(OID_PRIV_STATISTICS, &stats, sizeof stats);
    if (reply != Reply::Answered) return Unchecked(reply);
    for (std::size_t k = 0; k < counters.size(); ++k) {
        bool cleared = counters[k] == PRESET_CLEARED && PresetClears(k);
        counters[k] = cleared ? 0 : Low32(stats.counters[k]);
    }
    return 1;
}

int OidAdapter::QueryCounters(DWORD oid, DWORD& a, DWORD& b, DWORD& c) {
    DiagCountersRecord record{};
    if (QueryRecord(oid, record) != Reply::Answered) return 0;
    a = record.counters[0];
    b = record.counters[1];
    c = record.counters[2];
    return 1;
}

int OidAdapter::GetDiagCounters805(DWORD& a, DWORD& b, DWORD& c) {
    return QueryCounters(OID_PRIV_DIAG_COUNTERS_805, a, b, c);
}

int OidAdapter::GetDiagCounters80D(DWORD& a, DWORD& b, DWORD& c) {
    return QueryCounters(OID_PRIV_DIAG_COUNTERS_80D, a, b, c);
}

// MAC registers and EEPROM.

int OidAdapter::ReadMacRegister(int address, DWORD& value) {
    MacRegisterRequest request{REGISTER_READ, {}, static_cast<DWORD>(address), 0};
    if (!Exchange(OID_PRIV_MAC_REGISTER, request)) return 0;
    value = request.value;
    return 1;
}

int OidAdapter::WriteMacRegister(int address, const DWORD& value) {
    MacRegisterRequest request{REGISTER_WRITE, {}, static_cast<DWORD>(address), value};
    return SendRecord(OID_PRIV_MAC_REGISTER, request) ? 1 : 0;
}

int OidAdapter::GetEepromSize(WORD& size) {
    EepromRequest request{REGISTER_READ, EEPROM_TARGET_SIZE, 0, 0, 0};
    if (!Exchange(OID_PRIV_EEPROM, request)) return 0;
    size = request.value;
    return 1;
}

int OidAdapter::WriteEepromWord(int address, int value) {
    EepromRequest request{REGISTER_WRITE, EEPROM_TARGET_WORD, static_cast<BYTE>(address), 0,
                          static_cast<WORD>(value)};
    return SendRecord(OID_PRIV_EEPROM, request) ? 1 : 0;
}

int OidAdapter::ReadEepromWord(int address, WORD& value) {
    EepromRequest request{REGISTER_READ, EEPROM_TARGET_WORD, static_cast<BYTE>(address), 0, 0};
    if (!Exchange(OID_PRIV_EEPROM, request)) return 0;
    value = request.value;
    return 1;
}

// Diagnostics.

int OidAdapter::DiagCommand806() { return SendCommand(OID_PRIV_DIAG_806) ? 1 : 0; }

int OidAdapter::SetOption50D(int value) {
    return SendValue(OID_PRIV_OPTION_50D, static_cast<DWORD>(value)) ? 1 : 0;
}

int OidAdapter::DiagSet80E(int a, int b) {
    Diag80ERequest request{static_cast<DWORD>(a), static_cast<DWORD>(b)};
    return SendRecord(OID_PRIV_DIAG_80E, request) ? 1 : 0;
}

int OidAdapter::DiagSet804(int a, int b, int skip) {
    if (!HasChannel()) return 0;
    if (skip != 0) return 1;
    Diag804Request request{static_cast<BYTE>(a), {}, static_cast<DWORD>(b)};
    return SendRecord(OID_PRIV_DIAG_804, request) ? 1 : 0;
}

int OidAdapter::DiagGet804(int a, int skip) {
    if (!HasChannel()) return 0;
    if (skip != 0) return 1;
    Diag804Request request{static_cast<BYTE>(a), {}, 0};
    return Unchecked(Query(OID_PRIV_DIAG_804, &request, sizeof request));
}

int OidAdapter::DiagCommand80B() { return SendCommand(OID_PRIV_DIAG_80B) ? 1 : 0; }
int OidAdapter::DiagCommand80A() { return SendCommand(OID_PRIV_DIAG_80A) ? 1 : 0; }
int OidAdapter::DiagCommand809() { return SendCommand(OID_PRIV_DIAG_809) ? 1 : 0; }

int OidAdapter::DiagGet808(DiagBlock808& block) {
    return Unchecked(QueryRecord(OID_PRIV_DIAG_808, block));
}

int OidAdapter::DiagCommand906() { return SendCommand(OID_PRIV_DIAG_906) ? 1 : 0; }
int OidAdapter::DiagCommand901() { return SendCommand(OID_PRIV_DIAG_901) ? 1 : 0; }

int OidAdapter::DiagWrite807(const BYTE* data, int length, int c, int d) {
    if (length < 0 || length > int(DIAG_807_DATA_MAX) || (length > 0 && data == nullptr)) return 0;
    Diag807Request request{};
    request.length = static_cast<DWORD>(length);
    if (length > 0) std::memcpy(request.data, data, static_cast<std::size_t>(length));
    request.d = static_cast<DWORD>(d);
    request.c = static_cast<DWORD>(c);
    return SendRecord(OID_PRIV_DIAG_WRITE_807, request) ? 1 : 0;
}
