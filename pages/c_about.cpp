#include "pages/c_about.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

#include "adapter/wlan_adapter.h"
#include "pages/shell_open.h"
#include "platform/core/text.h"
#include "platform/ui/resources.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* DRIVER_VERSION_VALUE = "DriverVersion";
constexpr const char* LINK_VERB = "open";
constexpr int LINK_SHOW_COMMAND = 11;

// The numbers of a "%d.%d.%d.%d" reading of `text`, each held to the int range; false when
// fewer than four are there.
bool ParseVersionNumbers(const std::string& text, std::array<int, 4>& numbers) {
    const char* at = text.c_str();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0 && *at++ != '.') return false;
        char* end = nullptr;
        long value = std::strtol(at, &end, 10);
        if (end == at) return false;
        numbers[i] = static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
        at = end;
    }
    return true;
}

}  // namespace

CAbout::CAbout() : UtilityPage(IDD_ABOUT, OnDestroyAction::EndMainDialog) {}

void CAbout::DoDataExchange(DataExchange& dx) {
    UtilityPage::DoDataExchange(dx);
    dx.Text(IDC_DRIVER_VERSION, driverVersionText_);
    dx.Text(IDC_UTILITY_VERSION, utilityVersionText_);
}

BOOL CAbout::OnInitDialog() {
    UtilityPage::OnInitDialog();
    LoadString(IDS_UTILITY_VERSION, utilityVersionText_);
    FillDriverVersion();
    UpdateData(FALSE);
    return TRUE;
}

void CAbout::FillDriverVersion() {
    WlanAdapter* adapter = Adapter();
    if (adapter == nullptr) {
        driverVersionText_ = "N/A";
        return;
    }
    if (adapter->ReadRegistryValue(DRIVER_VERSION_VALUE, driverVersionText_, 0)) {
        driverVersionText_ = FormatDriverVersion(driverVersionText_);
        return;
    }
    // The miniport's own version; the adapter tells the user when that fails too.
    adapter->GetDriverVersion(driverVersionText_);
}

std::string CAbout::FormatDriverVersion(const std::string& stored) {
    std::array<int, 4> n{};
    if (!ParseVersionNumbers(stored, n)) return stored;
    return StrFormat("%d.%02d.%02d.%04d", n[0], n[1], n[2], n[3]);
}

bool CAbout::OnCommand(int id, int code, HWND control) {
    if (id == IDC_MAIL_LINK) {
        OpenLink(SUPPORT_MAIL);
        return true;
    }
    if (id == IDC_WEB_LINK) {
        OpenLink(WEB_ADDRESS);
        return true;
    }
    return UtilityPage::OnCommand(id, code, control);
}

void CAbout::OpenLink(const char* target) {
    // Without error dialogs.
    ShellOpen(LINK_VERB, target, SEE_MASK_FLAG_NO_UI, LINK_SHOW_COMMAND);
}
