#include "adapter/wlan_adapter.h"

#include <algorithm>

#include "adapter/driver_params.h"
#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "link/adapter_handle.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"

namespace {

// Status preset before each request: a request that never ran to completion reads as failed.
constexpr DWORD STATUS_NOT_COMPLETED = NDIS_STATUS_FAILURE;

// Channels of the 5 GHz and 4.9 GHz bands the table knows.
constexpr int BAND5_CHANNELS[] = {16,  34,  36,  38,  40,  42,  44,  46,  48,  52,
                                  56,  60,  64,  100, 104, 108, 112, 116, 120, 124,
                                  128, 132, 136, 140, 149, 153, 157, 161};
constexpr int BAND49_CHANNELS[] = {240, 244, 248, 252};

// Up to two characters read as hexadecimal, stopping at the first non-digit.
BYTE HexPair(const WString& text, std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = at; i < std::min(at + 2, text.size()); ++i) {
        int digit = HexDigit(text[i]);
        if (digit < 0) break;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<BYTE>(value);
}

}  // namespace

WlanAdapter::WlanAdapter() {
    frequencies.fill(NO_FREQUENCY);
    auto set = [this](int ch, DWORD khz) { frequencies[static_cast<std::size_t>(ch - 1)] = khz; };
    for (int ch = 1; ch <= 13; ++ch) set(ch, 2407000 + 5000 * static_cast<DWORD>(ch));
    set(14, 2484000);
    for (int ch : BAND5_CHANNELS) set(ch, 5000000 + 5000 * static_cast<DWORD>(ch));
    for (int ch : BAND49_CHANNELS) set(ch, 5000000 - 5000 * static_cast<DWORD>(256 - ch));
}

WlanAdapter::~WlanAdapter() {
    if (channel && channel->IsOpen()) channel->Close();
    channel.reset();
}

DWORD WlanAdapter::ChannelFrequency(int ch) const {
    if (ch < 1 || ch > CHANNEL_COUNT) return NO_FREQUENCY;
    return frequencies[static_cast<std::size_t>(ch - 1)];
}

int WlanAdapter::FrequencyChannel(DWORD frequency, int lastChannel) const {
    if (frequency == NO_FREQUENCY) return 0;
    for (int ch = 1; ch <= std::min(lastChannel, CHANNEL_COUNT); ++ch) {
        if (frequencies[static_cast<std::size_t>(ch - 1)] == frequency) return ch;
    }
    return 0;
}

WlanAdapter::Reply WlanAdapter::Query(DWORD oid, void* buffer, DWORD length) {
    DWORD status = STATUS_NOT_COMPLETED;
    if (!HasChannel() || channel->QueryOid(oid, buffer, length, &status) != 1)
        return Reply::NotIssued;
    return status == NDIS_STATUS_SUCCESS ? Reply::Answered : Reply::Refused;
}

bool WlanAdapter::Send(DWORD oid, const void* buffer, DWORD length) {
    DWORD status = STATUS_NOT_COMPLETED;
    return HasChannel() && channel->SetOid(oid, buffer, length, &status) == 1 &&
           status == NDIS_STATUS_SUCCESS;
}

void WlanAdapter::ShowMessage(const char* text) { MessageBox(0, text, "", MB_OK); }

std::string WlanAdapter::MacText(const MacAddress& mac) {
    return HexText(mac.data(), mac.size(), HexCase::Upper, '-');
}

// Base bodies: a harmless adapter on which every operation succeeds and writes nothing.
int WlanAdapter::GetInfoBlock(InfoBlock&) { return 1; }
void WlanAdapter::NoOperation() {}
int WlanAdapter::GetStatusWord(DWORD&) { return 1; }
int WlanAdapter::GetEepromWord19(WORD&) { return 1; }
int WlanAdapter::GetMacFlag(int&) { return 1; }
int WlanAdapter::GetDeviceClass(int&) { return 1; }
int WlanAdapter::GetScanState(std::string&, int&) { return 1; }
int WlanAdapter::GetConnectStatus(int&) { return 1; }
int WlanAdapter::GetBssidText(std::string&) { return 1; }
int WlanAdapter::GetBssid(MacAddress&) { return 1; }
int WlanAdapter::SetStringOption(std::string) { return 1; }
int WlanAdapter::GetSsid(std::string&) { return 1; }
int WlanAdapter::GetBssType(int&) { return 1; }
int WlanAdapter::SetBssType(int) { return 1; }
int WlanAdapter::GetTxRate(int&) { return 1; }
int WlanAdapter::GetLinkSpeedText(std::string&) { return 1; }
int WlanAdapter::GetSupportedRates(int&) { return 1; }
int WlanAdapter::SetTxRate(int) { return 1; }
int WlanAdapter::SetConfiguration(NdisConfiguration, int, int) { return 1; }
int WlanAdapter::GetSignalStrength(int&) { return 1; }
int WlanAdapter::GetLinkQuality(int&) { return 1; }
int WlanAdapter::Disassociate() { return 1; }
int WlanAdapter::SetOption510(int) { return 1; }
int WlanAdapter::SetPowerMode(int) { return 1; }
int WlanAdapter::GetPowerMode(int&) { return 1; }
int WlanAdapter::SetPreambleType(int) { return 1; }
int WlanAdapter::GetPreambleType(int&) { return 1; }
int WlanAdapter::SetFragThreshold(int) { return 1; }
int WlanAdapter::GetFragThreshold(int&) { return 1; }
int WlanAdapter::SetRtsThreshold(int) { return 1; }
int WlanAdapter::GetRtsThreshold(int&) { return 1; }
int WlanAdapter::SetEnvironmentCondition(int) { return 1; }
int WlanAdapter::GetEnvironmentCondition(int&) { return 1; }
int WlanAdapter::SetRxAntenna(int) { return 1; }
int WlanAdapter::GetRxAntenna(int&) { return 1; }
int WlanAdapter::GetOption50C(int&) { return 1; }
int WlanAdapter::GetBssidList(NdisBssidList&) { return 1; }
int WlanAdapter::StartScan() {
    ShowMessage("Decice Test");
    return 1;
}
int WlanAdapter::GetAuthType(int&) { return 1; }
int WlanAdapter::SetAuthType(int) { return 1; }
int WlanAdapter::GetWepStatus(int&) { return 1; }
int WlanAdapter::SetWepKeyText(std::string, int, std::string&) { return 1; }
int WlanAdapter::GetWepKeyText(std::string, int, std::string&) { return 1; }
int WlanAdapter::SetWepEnabled(int) { return 1; }
int WlanAdapter::SetKeyEntry(const KeyEntry&) { return 1; }
int WlanAdapter::GetKeyEntry(int, KeyEntry&) { return 1; }
int WlanAdapter::GetStatistics(ULONGLONG&, ULONGLONG&, DWORD&, DWORD&, DWORD&, DWORD&, DWORD&) {
    return 1;
}
int WlanAdapter::DiagCommand806() { return 1; }
int WlanAdapter::SetOption50D(int) { return 1; }
int WlanAdapter::GetStatisticsDetail(StatisticsDetail&) { return 1; }
int WlanAdapter::GetDiagCounters805(DWORD&, DWORD&, DWORD&) { return 1; }
int WlanAdapter::GetDiagCounters80D(DWORD&, DWORD&, DWORD&) { return 1; }
int WlanAdapter::ReadMacRegister(int, DWORD&) { return 1; }
int WlanAdapter::WriteMacRegister(int, const DWORD&) { return 1; }
int WlanAdapter::DiagSet80E(int, int) { return 1; }
int WlanAdapter::GetEepromSize(WORD&) { return 1; }
int WlanAdapter::WriteEepromWord(int, int) { return 1; }
int WlanAdapter::ReadEepromWord(int, WORD&) { return 1; }
int WlanAdapter::DiagSet804(int, int, int) { return 1; }
int WlanAdapter::DiagGet804(int, int) { return 1; }
int WlanAdapter::DiagCommand80B() { return 1; }
int WlanAdapter::DiagCommand80A() { return 1; }
int WlanAdapter::DiagCommand809() { return 1; }
int WlanAdapter::DiagGet808(DiagBlock808&) { return 1; }
int WlanAdapter::DiagCommand906() { return 1; }
int WlanAdapter::DiagCommand901() { return 1; }
int WlanAdapter::DiagWrite807(const BYTE*, int, int, int) { return 1; }

// Real bodies shared by every adapter.
// S OID_PRIV_FLAG_PAIR, 8: two words, 1 for each non-zero argument, else 0.
int WlanAdapter::SetFlagPair(int first, int second) {
    FlagPairPayload flags{first != 0 ? 1u : 0u, second != 0 ? 1u : 0u};
    return SendRecord(OID_PRIV_FLAG_PAIR, flags) ? 1 : 0;
}

// Q OID_PRIV_FLAG_PAIR, 8: each output 1 when its word is non-zero, else 0.
int WlanAdapter::GetFlagPair(int& first, int& second) {
    FlagPairPayload flags{};
    if (QueryRecord(OID_PRIV_FLAG_PAIR, flags) != Reply::Answered) return 0;
    first = flags.first != 0 ? 1 : 0;
    second = flags.second != 0 ? 1 : 0;
    return 1;
}

// S OID_PRIV_BASEBAND_REGISTER, 3: read, the index's low byte, 0 (else "Failed to set
// configuration"); then Q OID_PRIV_BASEBAND_REGISTER, 3 into the same record (else "Failed to read
// configuration"); `value` = its byte 2.
int WlanAdapter::ReadBbRegister(int index, BYTE& value) {
    BbRegisterRequest request{REGISTER_READ, static_cast<BYTE>(index), 0};
    if (!SendRecord(OID_PRIV_BASEBAND_REGISTER, request)) {
        ShowMessage("Failed to set configuration");
        return 0;
    }
    // The driver takes the register index from the query's record, so the query reuses it.
    if (Query(OID_PRIV_BASEBAND_REGISTER, &request, sizeof request) != Reply::Answered) {
        ShowMessage("Failed to read configuration");
        return 0;
    }
    value = request.value;
    return 1;
}

// S OID_PRIV_BASEBAND_REGISTER, 3: write, the index's and the value's low bytes (else "Failed to
// set configuration").
int WlanAdapter::WriteBbRegister(int index, int value) {
    BbRegisterRequest request{REGISTER_WRITE, static_cast<BYTE>(index), static_cast<BYTE>(value)};
    if (SendRecord(OID_PRIV_BASEBAND_REGISTER, request)) return 1;
    ShowMessage("Failed to set configuration");
    return 0;
}

// Q OID_802_3_CURRENT_ADDRESS, 6: "%02X-%02X-%02X-%02X-%02X-%02X".
int WlanAdapter::GetMacAddress(std::string& text) {
    MacAddress mac{};
    if (QueryRecord(OID_802_3_CURRENT_ADDRESS, mac) != Reply::Answered) return 0;
    text = MacText(mac);
    return 1;
}

// S OID_PRIV_SSID, 36: the length, then the low byte of each UTF-16 unit (at most 32; longer
// texts are cut). Not sent: "Failed to set SSID", 0. `persist` 1 stores "Ssid".
int WlanAdapter::SetSsid(std::string ssid, int persist) {
    WString wide = Utf8ToWide(ssid);
    if (wide.size() > NDIS_SSID_MAX) wide.resize(NDIS_SSID_MAX);
    SsidPayload payload{};
    payload.length = static_cast<DWORD>(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) payload.ssid[i] = static_cast<BYTE>(wide[i]);
    if (!SendRecord(OID_PRIV_SSID, payload)) {
        ShowMessage("Failed to set SSID");
        return 0;
    }
    if (persist == 1) WriteRegistryString("Ssid", WideToUtf8(wide), 1);
    return 1;
}

// Q OID_PRIV_CONFIGURATION, 32: copies beacon period, ATIM window and DS frequency (the
// length and hopping fields stay); the channel is the first table channel of that frequency.
int WlanAdapter::GetConfiguration(NdisConfiguration& config, int& ch) {
    NdisConfiguration reply{};
    if (Query(OID_PRIV_CONFIGURATION, &reply, sizeof reply) != Reply::Answered) return 0;
    config.beaconPeriod = reply.beaconPeriod;
    config.atimWindow = reply.atimWindow;
    config.dsConfig = reply.dsConfig;
    if (int found = FrequencyChannel(reply.dsConfig); found != 0) ch = found;
    return 1;
}

// Q OID_GEN_VENDOR_DRIVER_VERSION, 4: "major.minor" from the high and low 16 bits. Not
// answered: "Failed to read driver version", 0.
int WlanAdapter::GetDriverVersion(std::string& text) {
    DWORD version = 0;
    if (QueryRecord(OID_GEN_VENDOR_DRIVER_VERSION, version) != Reply::Answered) {
        ShowMessage("Failed to read driver version");
        return 0;
    }
    text = StrFormat("%u.%u", version >> 16, version & 0xFFFF);
    return 1;
}

// Q OID_PRIV_AP_INFO, 20.
int WlanAdapter::GetApInfo(ApInfoRecord& record) {
    return Checked(QueryRecord(OID_PRIV_AP_INFO, record));
}

// S OID_PRIV_RADIO_STATE, 4: 0 off, 1 on.
int WlanAdapter::SetRadioState(int on) {
    return SendValue(OID_PRIV_RADIO_STATE, static_cast<DWORD>(on)) ? 1 : 0;
}

int WlanAdapter::ParseHexBytes(std::string text, std::span<BYTE> bytes) {
    constexpr std::size_t WORKING_UNITS = 49;  // 50-unit buffer with its NUL
    WString working = Utf8ToWide(text);
    working = working.substr(0, std::min(working.find(u'\0'), WORKING_UNITS));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = HexPair(working, 2 * i);
    return 1;
}

int WlanAdapter::ReadRegistryValue(const std::string& name, std::string& value, int showError) {
    return DriverParams::Read(name, value, showError);
}

void WlanAdapter::WriteRegistryValue(const std::string& name, const std::string& value,
                                     int showError) {
    DriverParams::Write(name, value, showError);
}

void WlanAdapter::WriteRegistryString(const std::string& name, const std::string& value,
                                      int showError) {
    DriverParams::Write(name, value, showError);
}
