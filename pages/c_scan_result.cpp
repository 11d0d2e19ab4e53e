#include "pages/c_scan_result.h"

#include <iterator>

#include "adapter/wlan_adapter.h"
#include "pages/c_processing_dialog.h"
#include "pages/scan_entry_text.h"
#include "platform/core/message_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/window_manager.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* kColumns[] = {"SSID", "BSSID",  "Mode",         "WEP",
                                    "CH",   "Signal", "Support Rates"};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

}  // namespace

CScanResult::CScanResult() : UtilityPage(IDD_SITE_SURVEY, OnDestroyAction::Nothing) {}

BOOL CScanResult::OnInitDialog() {
    UtilityPage::OnInitDialog();
    networkList_ = dynamic_cast<ListView*>(GetDlgItem(IDC_NETWORK_LIST));
    profileList_ = dynamic_cast<ListView*>(GetDlgItem(IDC_PROFILE_LIST));
    InitNetworkList();
    InitProfileArea();
    FillNetworkList();
    return TRUE;
}

void CScanResult::InitNetworkList() {
    if (networkList_ == nullptr) return;
    networkList_->SetExtendedStyle(NETWORK_LIST_STYLE, 0xFFFFFFFFu);
    for (int i = 0; i < kColumnCount; ++i) networkList_->InsertColumn(i, kColumns[i]);
}

void CScanResult::InitProfileArea() {
    if (profileList_ == nullptr) return;
    for (const std::string& name : profileNames_)
        profileList_->InsertItem(profileList_->GetItemCount(), name);
    const auto count = static_cast<std::size_t>(profileList_->GetItemCount());
    if (count == 0) {
        if (Window* edit = GetDlgItem(IDC_PROFILE_EDIT)) edit->EnableWindow(false);
        if (Window* remove = GetDlgItem(IDC_PROFILE_DELETE)) remove->EnableWindow(false);
    } else if (count >= MAX_PROFILES) {
        if (Window* add = GetDlgItem(IDC_PROFILE_NEW)) add->EnableWindow(false);
    }
}

bool CScanResult::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id == IDC_RESCAN) {
        Rescan();
        return true;
    }
    // The profile buttons have no action.
    if (code == BN_CLICKED &&
        (id == IDC_PROFILE_NEW || id == IDC_PROFILE_DELETE || id == IDC_PROFILE_EDIT))
        return true;
    return UtilityPage::OnCommand(id, code, control);
}

void CScanResult::Rescan() {
    WlanAdapter* adapter = Adapter();
    if (adapter == nullptr) return;
    adapter->StartScan();
    BeginWaitCursor();
    {
        // No parent: the application's main window owns it.
        CProcessingDialog processing;
        processing.DoModal();
    }
    EndWaitCursor();
    // The adapter clears the buffer first: a failed query shows an empty list.
    adapter->GetBssidList(scanList_);
    FillNetworkList();
}

void CScanResult::FillNetworkList() {
    if (networkList_ == nullptr) return;
    networkList_->DeleteAllItems();
    if (scanList_.numberOfItems > MAX_NUM_SCAN_LIST) {
        MessageBox(Handle(), "listBssid.NumberOfItems > MAX_NUM_SCAN_LIST", "", MB_OK);
        return;
    }
    for (DWORD i = 0; i < scanList_.numberOfItems; ++i) AddNetworkRow(scanList_.bssid[i]);
    for (int column = 0; column < kColumnCount; ++column)
        networkList_->SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
}

void CScanResult::AddNetworkRow(const NdisWlanBssid& entry) {
    const int row = networkList_->InsertItem(networkList_->GetItemCount(), SsidText(entry));
    const std::string cells[] = {BssidText(entry),   ModeText(entry),   WepText(entry),
                                 ChannelText(entry), SignalText(entry), RatesText(entry)};
    for (int i = 0; i < kColumnCount - 1; ++i) networkList_->SetItemText(row, i + 1, cells[i]);
}
