#include "pages/c_profile_dialog.h"

#include "adapter/ndis_records.h"
#include "adapter/wlan_adapter.h"
#include "platform/core/text.h"
#include "platform/ui/resources.h"
#include "res/resource_ids.h"

namespace {

constexpr WPARAM FIELD_LIMIT = 32;
constexpr const char* EDITING_TITLE = "Profile editing";
constexpr const char* EDITING_BUTTON = "Save";
constexpr const char* DEFAULT_PROFILE_NAME = "Profile1";
constexpr const char* SSID_VALUE = "Ssid";
constexpr int AP_MODE_ITEM = 2;
// Bit of GetBssType's result: the driver did not answer its access-point query.
constexpr int NO_ACCESS_POINT_ANSWER = 1;
// What "Apply" puts into effect besides the SSID: the driver's authentication mode 2, the
// automatic rate.
constexpr int APPLIED_AUTH_TYPE = 2;
constexpr int AUTOMATIC_RATE = 0;

}  // namespace

CProfileDialog::CProfileDialog(Window* parent, WlanAdapter* adapter)
    : Dialog(IDD_CONFIGURATION, parent), adapter_(adapter) {}

void CProfileDialog::DoDataExchange(DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    dx.Text(IDC_PROFILE_NAME, profileName_);
    dx.ComboIndex(IDC_PROFILE_NETWORK_TYPE, networkType_);
    dx.Text(IDC_PROFILE_SSID, ssid_);
    dx.ComboIndex(IDC_PROFILE_CHANNEL, channel_);
    dx.ComboIndex(IDC_PROFILE_RATE, rate_);
    dx.Check(IDC_HIDDEN_SSID, hiddenSsid_);
}

BOOL CProfileDialog::OnInitDialog() {
    ++initCount_;
    Dialog::OnInitDialog();
    if (mode_ == MODE_PROFILE_EDITING) {
        SetWindowText(EDITING_TITLE);
        SetDlgItemText(IDC_APPLY, EDITING_BUTTON);
    }
    ShowForNetworkType(networkType_);
    SendDlgItemMessage(IDC_PROFILE_NAME, EM_LIMITTEXT, FIELD_LIMIT);
    SendDlgItemMessage(IDC_PROFILE_SSID, EM_LIMITTEXT, FIELD_LIMIT);
    FillLists();
    SetUpForMode();
    if (mode_ != MODE_FIXED_NETWORK) ShowForNetworkType(networkType_);
    UpdateData(FALSE);
    return TRUE;
}

void CProfileDialog::FillLists() {
    FillFromString(IDC_PROFILE_NETWORK_TYPE, IDS_NETWORK_TYPES);
    if (AccessPointUnsupported()) {
        SendDlgItemMessage(IDC_PROFILE_NETWORK_TYPE, CB_DELETESTRING, AP_MODE_ITEM);
    }
    FillFromString(IDC_PROFILE_RATE, IDS_TX_RATES);
    for (int channel = lowestChannel_; channel <= highestChannel_; ++channel) {
        std::string text = StrFormat("%d", channel);
        SendDlgItemMessage(IDC_PROFILE_CHANNEL, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CProfileDialog::FillFromString(int listId, unsigned stringId) {
    std::string text;
    LoadString(stringId, text);
    // The text after the last line feed is not an item.
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        std::string item = text.substr(start, end - start);
        if (item.empty()) break;
        SendDlgItemMessage(listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

bool CProfileDialog::AccessPointUnsupported() const {
    // Without an adapter no driver has said it can be an access point.
    if (adapter_ == nullptr) return true;
    int type = 0;
    return (adapter_->GetBssType(type) & NO_ACCESS_POINT_ANSWER) != 0;
}

void CProfileDialog::SetUpForMode() {
    switch (mode_) {
        case MODE_PROFILE_EDITING:
            Enable(IDC_PROFILE_NAME, true);
            if (profileName_.empty()) profileName_ = DEFAULT_PROFILE_NAME;
            break;
        case MODE_FIXED_NETWORK:
            Enable(IDC_PROFILE_NAME, true);
            SendDlgItemMessage(IDC_PROFILE_SSID, EM_SETREADONLY, TRUE);
            Enable(IDC_PROFILE_NETWORK_TYPE, false);
            Enable(IDC_PROFILE_CHANNEL, false);
            rate_ = AUTOMATIC_RATE;
            break;
        case MODE_RELOAD_SSID:
            LoadFromAdapter();
            break;
        default:
            Enable(IDC_PROFILE_NAME, true);
            LoadFromAdapter();
    }
}

void CProfileDialog::ShowForNetworkType(int type) {
    const bool accessPoint = type == TYPE_ACCESS_POINT;
    // An access point needs a network name before it can be applied.
    Enable(IDC_APPLY, !accessPoint || !ssid_.empty());
    Show(IDC_HIDDEN_SSID, accessPoint);
    Enable(IDC_PROFILE_CHANNEL, type != TYPE_INFRASTRUCTURE);
}

void CProfileDialog::LoadFromAdapter() {
    if (adapter_ == nullptr) return;
    adapter_->GetTxRate(rate_);
    if (ssid_.empty() || mode_ == MODE_RELOAD_SSID) {
        adapter_->GetSsid(ssid_);
        if (ssid_.empty()) adapter_->ReadRegistryValue(SSID_VALUE, ssid_, 0);
    }
    adapter_->GetBssType(networkType_);
    NdisConfiguration configuration{};
    int channelNumber = channel_ + 1;
    adapter_->GetConfiguration(configuration, channelNumber);
    channel_ = channelNumber - 1;
    profileName_ = initialName_;
    Enable(IDC_PROFILE_NAME, false);
}

bool CProfileDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_PROFILE_NETWORK_TYPE && code == CBN_SELCHANGE) {
        OnNetworkTypeChange();
        return true;
    }
    if (id == IDC_APPLY && code == BN_CLICKED) {
        Apply();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void CProfileDialog::OnNetworkTypeChange() {
    auto type = static_cast<int>(SendDlgItemMessage(IDC_PROFILE_NETWORK_TYPE, CB_GETCURSEL));
    if (type < TYPE_INFRASTRUCTURE || type > TYPE_ACCESS_POINT) return;
    ShowForNetworkType(type);
    selectedType_ = type;
}

void CProfileDialog::Apply() {
    if (adapter_ == nullptr) return;
    // What the user typed is what gets applied.
    if (!UpdateData(TRUE)) return;
    adapter_->SetBssType(TYPE_INFRASTRUCTURE);
    adapter_->SetAuthType(APPLIED_AUTH_TYPE);
    adapter_->SetTxRate(AUTOMATIC_RATE);
    adapter_->SetWepEnabled(0);
    // The adapter tells the user when the driver refuses the SSID.
    adapter_->SetSsid(ssid_, 1);
}

void CProfileDialog::Enable(int id, bool enable) {
    if (Window* item = GetDlgItem(id)) item->EnableWindow(enable);
}

void CProfileDialog::Show(int id, bool show) {
    if (Window* item = GetDlgItem(id)) item->ShowWindow(show ? SW_SHOW : SW_HIDE);
}
