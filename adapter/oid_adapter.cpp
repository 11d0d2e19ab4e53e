// OidAdapter: construction, identity and link state.
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
constexpr DWORD MAC_FLAG_REGISTER = 0x2F4;
constexpr int MAC_FLAG_BIT = 30;
constexpr WORD EEPROM_WORD_19 = 19;

}  // namespace

OidAdapter::OidAdapter(const WString& adapterName) {
    try {
        channel = std::make_unique<AdapterChannel>(adapterName);
    } catch (const std::bad_alloc&) {
        channel.reset();
    }
}

// Identity.

void OidAdapter::NoOperation() {}

// Q OID_PRIV_INFO_BLOCK, 724.
int OidAdapter::GetInfoBlock(InfoBlock& block) {
    return Unchecked(QueryRecord(OID_PRIV_INFO_BLOCK, block));
}

// Q OID_PRIV_STATUS_WORD, 4: as read.
int OidAdapter::GetStatusWord(DWORD& value) {
    return Unchecked(QueryWord(OID_PRIV_STATUS_WORD, [&](DWORD v) { value = v; }));
}

// No request: this adapter knows the access-point sub-modes.
int OidAdapter::GetDeviceClass(int& deviceClass) {
    deviceClass = DEVICE_CLASS_AP_CAPABLE;
    return 1;
}

// ReadEepromWord(19) and its result.
int OidAdapter::GetEepromWord19(WORD& value) { return ReadEepromWord(EEPROM_WORD_19, value); }

// ReadMacRegister(0x2F4): `flag` = bit 30 when read; returns 1 with a channel either way.
int OidAdapter::GetMacFlag(int& flag) {
    if (!HasChannel()) return 0;
    DWORD value = 0;
    if (ReadMacRegister(MAC_FLAG_REGISTER, value)) flag = (value >> MAC_FLAG_BIT) & 1;
    return 1;
}

// Link state.

// Q OID_PRIV_SCAN_STATE, 4: `code` as read; code 1 reads "Disconnected. Scanning...", any
// other "Disconnected.".
int OidAdapter::GetScanState(std::string& text, int& code) {
    return Unchecked(QueryWord(OID_PRIV_SCAN_STATE, [&](DWORD v) {
        code = static_cast<int>(v);
        text = v == 1 ? "Disconnected. Scanning..." : "Disconnected.";
    }));
}

// Q OID_GEN_MEDIA_CONNECT_STATUS, 4: as read.
int OidAdapter::GetConnectStatus(int& state) {
    return Unchecked(
        QueryWord(OID_GEN_MEDIA_CONNECT_STATUS, [&](DWORD v) { state = static_cast<int>(v); }));
}

// Q OID_PRIV_BSSID, 6: "%02X-%02X-%02X-%02X-%02X-%02X".
int OidAdapter::GetBssidText(std::string& text) {
    MacAddress bssid{};
    Reply reply = QueryRecord(OID_PRIV_BSSID, bssid);
    if (reply == Reply::Answered) text = MacText(bssid);
    return Unchecked(reply);
}

// Q OID_PRIV_BSSID, 6.
int OidAdapter::GetBssid(MacAddress& bssid) {
    return Unchecked(QueryRecord(OID_PRIV_BSSID, bssid));
}

// Q OID_PRIV_SSID, 36: length word and 32 bytes; at most 32 bytes, up to the first NUL, from
// the ANSI code page.
int OidAdapter::GetSsid(std::string& ssid) {
    SsidPayload reply{};
    Reply result = QueryRecord(OID_PRIV_SSID, reply);
    if (result == Reply::Answered) {
        std::size_t length = std::min<DWORD>(reply.length, NDIS_SSID_MAX);
        const char* bytes = reinterpret_cast<const char*>(reply.ssid);
        ssid = AnsiToUtf8(std::string(bytes, strnlen(bytes, length)));
    }
    return Unchecked(result);
}

// Q OID_GEN_LINK_SPEED, 4 (100 bit/s units): the four 802.11b rates; other speeds leave the
// text and return 1.
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

// Q OID_PRIV_RSSI, 4 (dBm): (dBm + 80) * 100 / 40, clamped to 1..100.
int OidAdapter::GetSignalStrength(int& percent) {
    return Unchecked(QueryWord(OID_PRIV_RSSI, [&](DWORD v) {
        long long dbm = static_cast<LONG>(v);
        long long scaled = (dbm + 80) * 100 / 40;
        percent = static_cast<int>(std::clamp(scaled, 1LL, 100LL));
    }));
}

// Q OID_PRIV_LINK_QUALITY, 4: the low byte.
int OidAdapter::GetLinkQuality(int& quality) {
    return Unchecked(
        QueryWord(OID_PRIV_LINK_QUALITY, [&](DWORD v) { quality = static_cast<int>(v & 0xFF); }));
}
