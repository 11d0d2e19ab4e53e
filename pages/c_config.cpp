#include "pages/c_config.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "adapter/wlan_adapter.h"
#include "pages/c_profile_dialog.h"
#include "pages/shell_open.h"
#include "platform/core/ip_helper.h"
#include "platform/core/text.h"
#include "res/resource_ids.h"

namespace {

constexpr int CONNECTED = 0;
constexpr int DISCONNECTED = 1;
constexpr int CONNECTING = 2;
constexpr int DEVICE_CLASS_AP_CAPABLE = 2;
constexpr int BSS_INFRASTRUCTURE = 0;
constexpr int BSS_AD_HOC = 1;
constexpr int BSS_ACCESS_POINT = 2;
constexpr int SCAN_STATE_6 = 6;
constexpr int SCAN_STATE_7 = 7;
constexpr int SCAN_STATE_BSSID_KNOWN = 8;

constexpr COLORREF METER_START_COLOR = 0x00EEEEAF;
constexpr COLORREF METER_END_COLOR = 0x00FF0000;
constexpr COLORREF METER_TEXT_COLOR = 0x00FFFFFF;

constexpr const char* SSID_VALUE = "Ssid";
constexpr const char* SHORTCUT_VERB = "Open";
constexpr const char* SHORTCUT_FILE = "\\My Documents\\Larkspur Utility\\callnetwork.lnk";

const char* AccessPointText(DWORD apMode) {
    switch (apMode) {
        case AP_MODE_MIXED:
            return "AP (Mixed Mode)";
        case AP_MODE_G_ONLY:
            return "AP (11g Mode)";
        default:
            return "AP (11b Mode)";
    }
}

// A fixed-size 8-bit text field of an IP helper record, up to its NUL or its end.
std::string FieldText(const char* field, std::size_t size) {
    return AnsiToUtf8(std::string(field, strnlen(field, size)));
}

// The list's next record, or null when the link leads out of the buffer it was filled into.
const IP_ADAPTER_INFO* NextRecord(const IP_ADAPTER_INFO* record, const IP_ADAPTER_INFO* buffer,
                                  std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (record->Next == buffer + i) return record->Next;
    }
    return nullptr;
}

// The first address of the record named `name` in a list of `count` records at most.
std::optional<std::string> FindAddress(const IP_ADAPTER_INFO* buffer, std::size_t count,
                                       const std::string& name) {
    const IP_ADAPTER_INFO* record = buffer;
    for (std::size_t walked = 0; record != nullptr && walked < count; ++walked) {
        if (FieldText(record->AdapterName, sizeof record->AdapterName) == name) {
            const auto& address = record->IpAddressList.IpAddress.String;
            return FieldText(address, sizeof address);
        }
        record = NextRecord(record, buffer, count);
    }
    return std::nullopt;
}

// The IP helper's list, fetched into a buffer of `size` bytes, searched for `name`.
std::optional<std::string> AdapterAddress(ULONG size, const std::string& name) {
    std::size_t count = (size + sizeof(IP_ADAPTER_INFO) - 1) / sizeof(IP_ADAPTER_INFO);
    std::unique_ptr<IP_ADAPTER_INFO[]> buffer(new (std::nothrow) IP_ADAPTER_INFO[count]());
    if (!buffer || GetAdaptersInfo(buffer.get(), &size) != ERROR_SUCCESS) return std::nullopt;
    return FindAddress(buffer.get(), count, name);
}

}  // namespace

CConfig::CConfig() : UtilityPage(IDD_STATUS, OnDestroyAction::EndMainDialog) {}

void CConfig::DoDataExchange(DataExchange& dx) {
    UtilityPage::DoDataExchange(dx);
    dx.Control(IDC_QUALITY_METER, qualityMeter_);
    dx.Control(IDC_SIGNAL_METER, signalMeter_);
    dx.Text(IDC_SSID, ssid_);
    dx.Text(IDC_PROFILE, profile_);
    dx.Text(IDC_STATUS, status_);
    dx.Text(IDC_CHANNEL, channel_);
    dx.Text(IDC_IP_ADDRESS, ip_);
    dx.Text(IDC_MAC_ADDRESS, mac_);
    dx.Text(IDC_HIDDEN_TEXT, hidden_);
}

BOOL CConfig::OnInitDialog() {
    UtilityPage::OnInitDialog();
    profile_ = "(default)";
    SetDlgItemText(IDC_PROFILE, profile_);
    if (profileDialog_ != nullptr) {
        if (Window* button = GetDlgItem(IDC_CONFIG)) button->ShowWindow(SW_SHOW);
    }
    if (Adapter() != nullptr) FirstRefresh();
    // Setting the range puts the meters back to 0: they show the link refreshes' values only.
    SetUpMeter(signalMeter_);
    SetUpMeter(qualityMeter_);
    UpdateData(FALSE);
    return TRUE;
}

void CConfig::SetUpMeter(GradientMeter& meter) {
    meter.SetRange(0, 100);
    meter.startColor = METER_START_COLOR;
    meter.endColor = METER_END_COLOR;
    meter.textColor = METER_TEXT_COLOR;
    meter.showText = true;
}

BOOL CConfig::OnSetActive() {
    SetTimer(LINK_TIMER, LINK_PERIOD_MS);
    SetTimer(ADDRESS_TIMER, ADDRESS_PERIOD_MS);
    SetTimer(POLL_TIMER, POLL_PERIOD_MS);
    return UtilityPage::OnSetActive();
}

BOOL CConfig::OnKillActive() {
    KillTimer(LINK_TIMER);
    KillTimer(ADDRESS_TIMER);
    KillTimer(POLL_TIMER);
    return UtilityPage::OnKillActive();
}

void CConfig::OnTimer(UINT_PTR id) {
    switch (id) {
        case LINK_TIMER:
            RefreshLink();
            break;
        case ADDRESS_TIMER:
            RefreshAddress();
            break;
        case POLL_TIMER:
            PollDisconnected();
            break;
        default:
            UtilityPage::OnTimer(id);
    }
}

bool CConfig::OnCommand(int id, int code, HWND control) {
    if (id == IDC_SET_AP && code == BN_CLICKED) {
        StartShortcut();
        return true;
    }
    if (id == IDC_CONFIG && code == BN_CLICKED) {
        OpenProfileDialog();
        return true;
    }
    return UtilityPage::OnCommand(id, code, control);
}

void CConfig::FirstRefresh() {
    WlanAdapter& adapter = *Adapter();
    adapter.GetMacAddress(mac_);
    SetDlgItemText(IDC_MAC_ADDRESS, mac_);
    adapter.GetDeviceClass(deviceClass_);
    if (deviceClass_ == DEVICE_CLASS_AP_CAPABLE && !apInfo_) apInfo_.emplace();
    ShowNetworkType(true);
    RefreshAddress();
    adapter.GetSsid(ssid_);
    SetDlgItemText(IDC_SSID, ssid_);
    adapter.GetBssidText(bssid_);
    int connection = -1;
    adapter.GetConnectStatus(connection);
    if (connection == CONNECTED) {
        if (bssid_.empty()) adapter.GetBssidText(bssid_);
        ShowConnectedStatus();
        ShowLinkSpeed();
        adapter.GetSignalStrength(signal_);
        signalMeter_.SetPos(signal_);
        adapter.GetLinkQuality(quality_);
        qualityMeter_.SetPos(quality_);
    } else if (connection == DISCONNECTED) {
        if (ssid_.empty()) adapter.ReadRegistryValue(SSID_VALUE, ssid_, 0);
        disconnectedShown_ = false;
        ShowDisconnected();
    } else if (connection == CONNECTING) {
        // Reaches the control with the initialisation's transfer.
        status_ = "Scanning";
    }
    ShowChannel();
}

void CConfig::RefreshLink() {
    if (Adapter() == nullptr) return;
    ShowNetworkType(false);
    ShowChannel();
    ShowSsid();
    // A driver that does not answer leaves `connection` unknown: nothing changes then.
    int connection = -1;
    if (!Adapter()->GetConnectStatus(connection)) return;
    if (connection == CONNECTED) {
        ShowConnectedLink();
    } else if (connection == DISCONNECTED) {
        ShowDisconnected();
    }
}

void CConfig::ShowConnectedLink() {
    WlanAdapter& adapter = *Adapter();
    disconnectedShown_ = false;
    KillTimer(POLL_TIMER);
    ShowLinkSpeed();
    adapter.GetSignalStrength(signal_);
    // A full-strength link shows 99 %.
    signalMeter_.SetPos(signal_ - 1);
    adapter.GetBssidText(bssid_);
    ShowConnectedStatus();
    adapter.GetLinkQuality(quality_);
    qualityMeter_.SetPos(quality_);
}

void CConfig::ShowDisconnected() {
    if (disconnectedShown_) return;
    disconnectedShown_ = true;
    ShowStatus("Disconnected");
    signal_ = 0;
    signalMeter_.SetPos(0);
    quality_ = 0;
    qualityMeter_.SetPos(0);
    bssid_.clear();
    // The SSID the driver is configured for.
    Adapter()->ReadRegistryValue(SSID_VALUE, ssid_, 0);
    SetDlgItemText(IDC_SSID, ssid_);
    SetTimer(POLL_TIMER, POLL_PERIOD_MS);
}

void CConfig::PollDisconnected() {
    if (Adapter() == nullptr) return;
    std::string text;
    int code = 0;
    Adapter()->GetScanState(text, code);
    ShowNetworkType(false);
    ShowSsid();
    ShowChannel();
    SetDlgItemText(IDC_TX_RATE, "");
    if (code == SCAN_STATE_6 || code == SCAN_STATE_7) return;
    if (code == SCAN_STATE_BSSID_KNOWN) {
        text = CapturedBssidText();
    } else {
        bssidCaptured_ = false;
    }
    ShowStatus(text.empty() ? "Disconnected" : text);
}

std::string CConfig::CapturedBssidText() {
    WlanAdapter& adapter = *Adapter();
    if (!bssidCaptured_) {
        adapter.GetBssidText(bssid_);
        adapter.GetConfiguration(configuration_, channel_);
        bssidCaptured_ = true;
    }
    if (bssid_.empty()) adapter.GetBssidText(bssid_);
    return StrFormat("Disconnected. BSSID: %s", bssid_.c_str());
}

void CConfig::RefreshAddress() {
    if (Adapter() == nullptr) return;
    // The size request comes first, as the helper wants it; the MAC line is refreshed anyway.
    ULONG size = 0;
    DWORD sizeResult = GetAdaptersInfo(nullptr, &size);
    Adapter()->GetMacAddress(mac_);
    SetDlgItemText(IDC_MAC_ADDRESS, mac_);
    if (sizeResult != ERROR_BUFFER_OVERFLOW) return;
    std::optional<std::string> address = AdapterAddress(size, adapterName_);
    if (address) SetDlgItemText(IDC_IP_ADDRESS, *address);
}

void CConfig::StartShortcut() {
    // The shortcut lies outside this program; a failure is not reported.
    ShellOpen(SHORTCUT_VERB, SHORTCUT_FILE, 0, SW_HIDE);
}

void CConfig::OpenProfileDialog() {
    if (profileDialog_ == nullptr) return;
    // The default mode with no SSID of its own: the dialog shows the adapter's settings.
    profileDialog_->SetMode(0);
    profileDialog_->SetSsid("");
    profileDialog_->DoModal();
}

void CConfig::ShowStatus(const std::string& text) {
    status_ = text;
    SetDlgItemText(IDC_STATUS, status_);
}

void CConfig::ShowConnectedStatus() { ShowStatus("Connected: " + bssid_); }

void CConfig::ShowLinkSpeed() {
    std::string speed;
    Adapter()->GetLinkSpeedText(speed);
    SetDlgItemText(IDC_TX_RATE, speed);
}

void CConfig::ShowNetworkType(bool withApModes) {
    WlanAdapter& adapter = *Adapter();
    adapter.GetBssType(bssType_);
    if (withApModes && apInfo_ && deviceClass_ == DEVICE_CLASS_AP_CAPABLE &&
        bssType_ == BSS_ACCESS_POINT) {
        adapter.GetApInfo(*apInfo_);
    }
    SetDlgItemText(IDC_NETWORK_TYPE, NetworkTypeText(withApModes));
}

std::string CConfig::NetworkTypeText(bool withApModes) const {
    switch (bssType_) {
        case BSS_INFRASTRUCTURE:
            return "Infrastructure Station";
        case BSS_AD_HOC:
            return "Ad hoc station";
        case BSS_ACCESS_POINT:
            if (withApModes && deviceClass_ == DEVICE_CLASS_AP_CAPABLE && apInfo_) {
                return AccessPointText(apInfo_->apMode);
            }
            return "AP Mode";
        default:
            return "";
    }
}

void CConfig::ShowChannel() {
    Adapter()->GetConfiguration(configuration_, channel_);
    SetDlgItemText(IDC_CHANNEL, std::to_string(channel_));
}

void CConfig::ShowSsid() {
    Adapter()->GetSsid(ssid_);
    if (ssid_.empty()) Adapter()->ReadRegistryValue(SSID_VALUE, ssid_, 0);
    SetDlgItemText(IDC_SSID, ssid_);
}
