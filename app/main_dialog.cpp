#include "app/main_dialog.h"

#include <cstring>

#include "adapter/oid_adapter.h"
#include "platform/core/text.h"
#include "platform/registry/registry_api.h"
#include "platform/ui/resources.h"
#include "res/resource_ids.h"

namespace {

constexpr DWORD kBroadcastHeaderBytes = 12;
constexpr DWORD kRegistryNameChars = 260;
constexpr const char16_t* kActiveDrivers = u"Drivers\\Active\\";

DWORD ReadDword(const BYTE* bytes) {
    DWORD value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// The device name of a port broadcast: the UTF-16 text after the 12-byte header, up to its NUL
// or the end of the record as its size field gives it.
WString PortDeviceName(const BYTE* header, DWORD size) {
    WString name;
    for (DWORD offset = kBroadcastHeaderBytes; offset + 2 <= size; offset += 2) {
        char16_t unit = 0;
        std::memcpy(&unit, header + offset, sizeof unit);
        if (unit == 0) break;
        name.push_back(unit);
    }
    return name;
}

// A string value of an open key, read into a buffer of 260 characters; nothing when it is
// absent, not a string, or longer than the buffer.
bool ReadStringValue(HKEY key, const char16_t* valueName, WString& text) {
    WCHAR buffer[kRegistryNameChars + 1] = {};
    DWORD type = REG_NONE;
    DWORD size = kRegistryNameChars * sizeof(WCHAR);
    LONG result =
        RegQueryValueEx(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    text = buffer;
    return true;
}

// Whether the active-driver entry `subkey` names `deviceName`; `isCard` tells whether its
// driver key is the card's.
bool EntryNamesDevice(const WString& subkey, const WString& deviceName, bool& isCard) {
    HKEY entry = 0;
    WString path = WString(kActiveDrivers) + subkey + u"\\";
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &entry) !=
        ERROR_SUCCESS) {
        return false;
    }
    WString name;
    bool names = ReadStringValue(entry, u"Name", name) && name == deviceName;
    if (names) {
        WString driverKey;
        isCard =
            ReadStringValue(entry, u"Key", driverKey) && driverKey == MainDialog::CARD_DRIVER_KEY;
    }
    RegCloseKey(entry);
    return names;
}

}  // namespace

MainDialog::MainDialog(Window* parent, bool engineering)
    : Dialog(IDD_MAIN, parent),
      engineering_(engineering),
      icon_(LoadIcon(IDR_MAINFRAME)),
      sheet_("") {}

MainDialog::~MainDialog() = default;

void MainDialog::DoDataExchange(DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    dx.Control(IDC_ADAPTER_CHOOSER, chooser_);
}

BOOL MainDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    SetIcon(icon_, true);
    SetIcon(icon_, false);
    CenterWindow();
    CreateHiddenPages();
    AddSheetPages();
    // A failed start has shown its own message; the enumeration then lists nothing.
    driverLink_.Start();
    driverLink_.EnumerateAdapters(chooser_.GetSafeHwnd());
    UpdateData(FALSE);
    LRESULT count = chooser_.SendMessage(CB_GETCOUNT);
    if (count == 0) {
        OnOK();
    } else if (count == 1) {
        OpenSelectedAdapter();
    }
    return TRUE;
}

void MainDialog::CreateHiddenPages() {
    basebandPage_ = std::make_unique<CBBCR>();
    macPage_ = std::make_unique<CMCR>();
    eepromPage_ = std::make_unique<CEEPRomAccess>();
    profileDialog_ = std::make_unique<CProfileDialog>(nullptr, nullptr);
    // In the engineering mode the Status page's "Config" button opens the profile dialog.
    if (engineering_) statusPage_.SetProfileDialog(profileDialog_.get());
}

void MainDialog::AddSheetPages() {
    sheet_.AddPage(&statusPage_);
    sheet_.AddPage(&statisticsPage_);
    sheet_.AddPage(&siteSurveyPage_);
    sheet_.AddPage(&radioPage_);
    sheet_.AddPage(&aboutPage_);
    if (!engineering_) return;
    sheet_.AddPage(basebandPage_.get());
    sheet_.AddPage(macPage_.get());
    sheet_.AddPage(eepromPage_.get());
}

void MainDialog::OpenSelectedAdapter() {
    // Once an adapter is open the chooser and its button take no further part.
    if (adapter_) return;
    auto selection = static_cast<int>(chooser_.SendMessage(CB_GETCURSEL));
    chooser_.GetLBText(selection, adapterName_);
    adapter_ = std::make_unique<OidAdapter>(Utf8ToWide(adapterName_));
    HandOutReferences(adapter_.get());
    statusPage_.SetAdapterName(adapterName_);
    // The pages have their adapter before their windows exist: their initialisation and first
    // activation already talk to it.
    sheet_.Create(this, WS_CHILD | WS_VISIBLE, 0);
    for (int page : {0, 1, 2, 3, 0}) sheet_.SetActivePage(page);
}

void MainDialog::HandOutReferences(WlanAdapter* adapter) {
    for (UtilityPage* page : std::initializer_list<UtilityPage*>{
             &statusPage_, &statisticsPage_, &aboutPage_, &siteSurveyPage_, &radioPage_,
             basebandPage_.get(), macPage_.get(), eepromPage_.get()}) {
        if (page == nullptr) continue;
        page->SetAdapter(adapter);
        page->SetMainDialog(this);
    }
    if (profileDialog_) {
        profileDialog_->SetAdapter(adapter);
        profileDialog_->SetMainDialog(this);
    }
}

bool MainDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_OPEN_ADAPTER && code == BN_CLICKED) {
        OpenSelectedAdapter();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT MainDialog::OnDeviceChange(UINT event, const BYTE* header) {
    if (event != DBT_DEVICEREMOVECOMPLETE || header == nullptr) return 0;
    DWORD size = ReadDword(header);
    if (size < kBroadcastHeaderBytes || ReadDword(header + 4) != DBT_DEVTYP_PORT) return 0;
    if (!IsCardDevice(PortDeviceName(header, size))) OnOK();
    return 0;
}

bool MainDialog::IsCardDevice(const WString& deviceName) {
    HKEY active = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kActiveDrivers, 0, KEY_ALL_ACCESS, &active) !=
        ERROR_SUCCESS) {
        return false;
    }
    bool isCard = false;
    for (DWORD index = 0;; ++index) {
        WCHAR subkey[kRegistryNameChars] = {};
        DWORD chars = kRegistryNameChars;
        if (RegEnumKeyEx(active, index, subkey, &chars, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (chars == 0) continue;
        if (EntryNamesDevice(WString(subkey, chars), deviceName, isCard)) break;
    }
    RegCloseKey(active);
    return isCard;
}

void MainDialog::OnDestroy() {
    Dialog::OnDestroy();
    // The adapter closes its channel before the driver link may unload the driver. The pages'
    // windows go after this one; they must not reach the deleted adapter.
    if (adapter_) {
        adapter_.reset();
        HandOutReferences(nullptr);
    }
    driverLink_.Stop();
}
