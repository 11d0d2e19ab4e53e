#include "main/request_trace.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "adapter/oid_codes.h"
#include "link/adapter_handle.h"
#include "link/driver_contract.h"
#include "platform/core/caller_pointer.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/event.h"
#include "platform/core/text.h"
#include "platform/registry/registry_api.h"

namespace {

constexpr std::size_t kNameUnits = sizeof(RequestBlock::eventName) / sizeof(char16_t);

std::string HexBytes(const BYTE* bytes, DWORD count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 3);
    for (DWORD i = 0; i < count; ++i) {
        text += ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

// The block behind an event name: its last eight hex digits are the block's caller-pointer
// token. Null when the name is not a request's or the block no longer maps.
const RequestBlock* BlockOfName(std::u16string_view name) {
    if (name.size() < 8) return nullptr;
    DWORD token = 0;
    for (char16_t c : name.substr(name.size() - 8)) {
        int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
        if (digit < 0) return nullptr;
        token = token << 4 | static_cast<DWORD>(digit);
    }
    return static_cast<const RequestBlock*>(MapCallerPtr(token, sizeof(RequestBlock)));
}

// The event name inside a submit call's input, up to its NUL; empty when it has none.
std::u16string_view NameInInput(const void* in, DWORD inSize) {
    const std::size_t offset = offsetof(RequestBlock, eventName);
    if (in == nullptr || inSize < offset + sizeof(RequestBlock::eventName)) return {};
    const auto* units = reinterpret_cast<const char16_t*>(static_cast<const BYTE*>(in) + offset);
    std::size_t length = 0;
    while (length < kNameUnits && units[length] != 0) ++length;
    return length == kNameUnits ? std::u16string_view{} : std::u16string_view{units, length};
}

// Names of the OIDs the utility sends; any other is written in hex.
#define OID_ENTRY(name) \
    std::pair<DWORD, const char*> { name, #name }

constexpr std::array kOidNames = {
    OID_ENTRY(OID_GEN_MAXIMUM_TOTAL_SIZE),
    OID_ENTRY(OID_802_3_CURRENT_ADDRESS),
    OID_ENTRY(OID_802_11_NETWORK_TYPE_IN_USE),
    OID_ENTRY(OID_GEN_LINK_SPEED),
    OID_ENTRY(OID_GEN_MEDIA_CONNECT_STATUS),
    OID_ENTRY(OID_GEN_VENDOR_DRIVER_VERSION),
    OID_ENTRY(OID_GEN_XMIT_OK),
    OID_ENTRY(OID_GEN_RCV_OK),
    OID_ENTRY(OID_GEN_XMIT_ERROR),
    OID_ENTRY(OID_GEN_RCV_ERROR),
    OID_ENTRY(OID_PRIV_STATUS_WORD),
    OID_ENTRY(OID_PRIV_BSSID),
    OID_ENTRY(OID_PRIV_SSID),
    OID_ENTRY(OID_PRIV_RSSI),
    OID_ENTRY(OID_PRIV_INFRASTRUCTURE_MODE),
    OID_ENTRY(OID_PRIV_FRAG_THRESHOLD),
    OID_ENTRY(OID_PRIV_RTS_THRESHOLD),
    OID_ENTRY(OID_PRIV_RX_ANTENNA),
    OID_ENTRY(OID_PRIV_SUPPORTED_RATES),
    OID_ENTRY(OID_PRIV_DESIRED_RATES),
    OID_ENTRY(OID_PRIV_CONFIGURATION),
    OID_ENTRY(OID_PRIV_STATISTICS),
    OID_ENTRY(OID_PRIV_DISASSOCIATE),
    OID_ENTRY(OID_PRIV_POWER_MODE),
    OID_ENTRY(OID_PRIV_BSSID_LIST),
    OID_ENTRY(OID_PRIV_AUTH_TYPE),
    OID_ENTRY(OID_PRIV_BSSID_LIST_SCAN),
    OID_ENTRY(OID_PRIV_WEP_STATUS),
    OID_ENTRY(OID_PRIV_WEP_DISABLE),
    OID_ENTRY(OID_PRIV_PREAMBLE_TYPE),
    OID_ENTRY(OID_PRIV_LINK_QUALITY),
    OID_ENTRY(OID_PRIV_FLAG_PAIR),
    OID_ENTRY(OID_PRIV_KEY_ENTRY),
    OID_ENTRY(OID_PRIV_WEP_KEY),
    OID_ENTRY(OID_PRIV_TX_BYTE_COUNT),
    OID_ENTRY(OID_PRIV_RX_BYTE_COUNT),
    OID_ENTRY(OID_PRIV_SCAN_STATE),
    OID_ENTRY(OID_PRIV_ENVIRONMENT),
    OID_ENTRY(OID_PRIV_OPTION_50C),
    OID_ENTRY(OID_PRIV_OPTION_50D),
    OID_ENTRY(OID_PRIV_INFO_BLOCK),
    OID_ENTRY(OID_PRIV_OPTION_510),
    OID_ENTRY(OID_PRIV_AP_MODE),
    OID_ENTRY(OID_PRIV_AP_INFO),
    OID_ENTRY(OID_PRIV_RADIO_STATE),
    OID_ENTRY(OID_PRIV_MAC_REGISTER),
    OID_ENTRY(OID_PRIV_BASEBAND_REGISTER),
    OID_ENTRY(OID_PRIV_EEPROM),
    OID_ENTRY(OID_PRIV_DIAG_804),
    OID_ENTRY(OID_PRIV_DIAG_COUNTERS_805),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_806),
    OID_ENTRY(OID_PRIV_DIAG_WRITE_807),
    OID_ENTRY(OID_PRIV_DIAG_808),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_809),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_80A),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_80B),
    OID_ENTRY(OID_PRIV_DIAG_COUNTERS_80D),
    OID_ENTRY(OID_PRIV_DIAG_SET_80E),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_901),
    OID_ENTRY(OID_PRIV_DIAG_COMMAND_906),
};

#undef OID_ENTRY

std::string OidText(DWORD oid) {
    auto it = std::find_if(kOidNames.begin(), kOidNames.end(),
                           [oid](const auto& entry) { return entry.first == oid; });
    return it != kOidNames.end() ? it->second : StrFormat("0x%08X", oid);
}

// The bytes that travelled: a set's input, a query's answer when it succeeded.
std::string PayloadText(const OidRequest& request) {
    DWORD count = request.requestType == OID_REQUEST_SET ? request.bufferLength
                  : request.status == NDIS_STATUS_SUCCESS
                      ? std::min(request.bytesTransferred, request.bufferLength)
                      : 0;
    if (count == 0) return "";
    const auto* bytes = static_cast<const BYTE*>(MapCallerPtr(request.buffer, count));
    return bytes == nullptr ? " (buffer gone)" : HexBytes(bytes, count);
}

}  // namespace

RequestTrace& RequestTrace::Instance() {
    static RequestTrace trace;
    return trace;
}

void RequestTrace::SetOutput(std::ostream* out) {
    Install();
    std::lock_guard lock(mutex_);
    out_ = out;
    if (out != nullptr) last_ = out;
}

void RequestTrace::Resume(std::ostream& fallback) {
    std::ostream* out = nullptr;
    {
        std::lock_guard lock(mutex_);
        out = last_ != nullptr ? last_ : &fallback;
    }
    SetOutput(out);
}

void RequestTrace::Reset() {
    std::lock_guard lock(mutex_);
    out_ = nullptr;
    last_ = nullptr;
}

bool RequestTrace::Enabled() const {
    std::lock_guard lock(mutex_);
    return out_ != nullptr;
}

void RequestTrace::Install() {
    if (installed_) return;
    installed_ = true;
    SetDeviceCallObserver([this](HANDLE device, DWORD code, const void* in, DWORD size, BOOL ok) {
        OnDeviceCall(device, code, in, size, ok);
    });
    SetNamedEventObserver([this](std::u16string_view name) { OnEventSignal(name); });
    SetRegistryWriteObserver(
        [this](const std::string& key, const std::string& name, DWORD type, const BYTE* data,
               DWORD size, LONG result) { OnRegistryWrite(key, name, type, data, size, result); });
}

void RequestTrace::OnDeviceCall(HANDLE device, DWORD code, const void* in, DWORD inSize, BOOL ok) {
    if (code == IOCTL_RAD4_OPEN_ADAPTER && ok && in != nullptr) {
        const auto* units = static_cast<const char16_t*>(in);
        WString name(units, units + inSize / sizeof(char16_t));
        name.resize(WideLength(name.c_str()));
        std::lock_guard lock(mutex_);
        adapters_[device] = WideToUtf8(name);
        return;
    }
    if (code != IOCTL_RAD4_SUBMIT_REQUEST || !Enabled()) return;
    const RequestBlock* block = BlockOfName(NameInInput(in, inSize));
    if (block == nullptr) return;
    if (!ok) {
        WriteRequest(*block, "failed");
    } else {
        WriteRequest(*block, block->submitStatus == NDIS_STATUS_PENDING ? "pending" : nullptr);
    }
}

void RequestTrace::OnEventSignal(std::u16string_view name) {
    if (!Enabled()) return;
    if (const RequestBlock* block = BlockOfName(name)) WriteRequest(*block, nullptr);
}

void RequestTrace::OnRegistryWrite(const std::string& keyPath, const std::string& name, DWORD type,
                                   const BYTE* data, DWORD size, LONG result) {
    // The driver's parameters live in Comm\<driver>\Parms.
    if (!Enabled() || keyPath.rfind("Comm\\", 0) != 0) return;
    std::string line =
        StrFormat("registry %s %s type=%u len=%u result=%d", keyPath.c_str(),
                  name.empty() ? "@" : name.c_str(), type, size, static_cast<int>(result));
    if (data != nullptr) line += HexBytes(data, size);
    Line(line);
}

// One request: "pending" or "failed" instead of a status when it has no answer yet.
void RequestTrace::WriteRequest(const RequestBlock& block, const char* noAnswer) {
    const OidRequest& request = block.request;
    std::string line = StrFormat("%s %s %s len=%u ", AdapterOf(block.device).c_str(),
                                 request.requestType == OID_REQUEST_SET ? "set" : "query",
                                 OidText(request.oid).c_str(), request.bufferLength);
    if (noAnswer != nullptr) {
        line += noAnswer;
    } else {
        line += StrFormat("status=%08X", request.status);
        if (request.status == NDIS_STATUS_INVALID_LENGTH ||
            request.status == NDIS_STATUS_BUFFER_TOO_SHORT) {
            line += StrFormat(" needed=%u", request.bytesNeeded);
        }
        line += PayloadText(request);
    }
    Line(line);
}

std::string RequestTrace::AdapterOf(DWORD device) const {
    std::lock_guard lock(mutex_);
    auto it = adapters_.find(device);
    return it == adapters_.end() ? "?" : it->second;
}

void RequestTrace::Line(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (out_ == nullptr) return;
    *out_ << StrFormat("%10u ", GetTickCount()) << text << '\n';
    out_->flush();
}
