#include "res/dialog_templates.h"

#include <string>
#include <vector>

#include "platform/ui/window_constants.h"
#include "res/control_templates.h"
#include "res/resource_ids.h"

namespace {

// Rows of "label, field" pages: labels at the left, fields to their right, rows 14 DU apart.
struct RowLayout {
    int top;
    int labelWidth;
    int fieldX;
    int fieldWidth;
    static constexpr int kPitch = 14;

    int Y(int row) const { return top + row * kPitch; }
    Place Label(int row) const { return {6, Y(row) + 2, labelWidth, 8}; }
    Place Field(int row, int cy = 12) const { return {fieldX, Y(row), fieldWidth, cy}; }
};

constexpr DWORD kReadOnlyField = ES_READONLY | ES_AUTOHSCROLL;

void AddReadOnlyRow(DialogTemplate& page, const RowLayout& rows, int row, const std::string& label,
                    int id) {
    page.controls.push_back(MakeLabel(IDC_STATIC, label, rows.Label(row)));
    page.controls.push_back(MakeEdit(id, rows.Field(row), kReadOnlyField));
}

// The three register pages share one arrangement: two labelled fields with Read and Set beside
// them, the dump buttons below and the output box under those.
struct RegisterPageSpec {
    int id;
    const char* caption;
    int cx, cy;
    const char* addressLabel;
    int addressId;
    const char* dataLabel;
    int dataId;
    int outputId;
    DWORD outputScroll;
    bool fromFile;
};

DialogTemplate RegisterPageTemplate(const RegisterPageSpec& desc) {
    DialogTemplate page = MakePageTemplate(desc.id, desc.caption, desc.cx, desc.cy);
    const int right = desc.cx - 6;
    const int buttonX = right - 30;
    auto& c = page.controls;
    c.push_back(MakeLabel(IDC_STATIC, desc.addressLabel, {6, 8, 58, 8}));
    c.push_back(MakeLabel(IDC_STATIC, desc.dataLabel, {6, 24, 58, 8}));
    c.push_back(MakeEdit(desc.addressId, {66, 6, buttonX - 70, 12}, ES_AUTOHSCROLL));
    c.push_back(MakeEdit(desc.dataId, {66, 22, buttonX - 70, 12}, ES_AUTOHSCROLL));
    c.push_back(MakePushButton(IDC_READ, "Read", {buttonX, 6, 30, 12}));
    c.push_back(MakePushButton(IDC_SET, "Set", {buttonX, 22, 30, 12}));
    if (desc.fromFile) {
        const int half = (right - 6 - 4) / 2;
        c.push_back(MakePushButton(IDC_READ_ALL, "Read All", {6, 38, half, 12}));
        c.push_back(MakePushButton(IDC_FROM_FILE, "From file", {right - half, 38, half, 12}));
    } else {
        c.push_back(MakePushButton(IDC_READ_ALL, "Read All", {6, 38, right - 6, 12}));
    }
    c.push_back(MakeEdit(desc.outputId, {6, 54, right - 6, desc.cy - 60},
                         ES_MULTILINE | ES_READONLY | ES_UPPERCASE | desc.outputScroll));
    return page;
}

std::vector<std::string> RadioChannelItems() {
    std::vector<std::string> items;
    for (int channel = 1; channel <= 13; ++channel) {
        std::string number = std::to_string(channel);
        std::string blanks(number.size() == 1 ? 3 : 1, ' ');
        items.push_back(number + blanks + "(" + std::to_string(2407 + 5 * channel) + " MHz)");
    }
    return items;
}

}  // namespace

DialogTemplate MainDialogTemplate() {
    DialogTemplate dialog = MakeModalTemplate(IDD_MAIN, "SD WLAN Utility", 143, 175, WS_SYSMENU,
                                              WS_EX_CAPTIONOKBTN | WS_EX_APPWINDOW);
    dialog.controls.push_back(MakeDropList(IDC_ADAPTER_CHOOSER, {8, 7, 114, 54}, {}, CBS_SORT));
    dialog.controls.push_back(MakePushButton(IDC_OPEN_ADAPTER, "OK", {23, 44, 79, 23}));
    return dialog;
}

DialogTemplate AboutPageTemplate() {
    DialogTemplate page = MakePageTemplate(IDD_ABOUT, "About", 150, 149);
    auto& c = page.controls;
    c.push_back(MakeGroupBox("Version", {7, 6, 118, 42}));
    c.push_back(MakeLabel(IDC_STATIC, "Driver:", {13, 16, 24, 9}));
    c.push_back(MakeLabel(IDC_DRIVER_VERSION, "", {48, 16, 58, 10}));
    c.push_back(MakeLabel(IDC_STATIC, "Utility:", {13, 32, 21, 10}));
    c.push_back(MakeLabel(IDC_UTILITY_VERSION, "", {48, 32, 57, 9}));
    c.push_back(MakeLabel(IDC_NOTICE, "Control utility for the SD WLAN card", {15, 62, 113, 10}));
    c.push_back(MakePicture(IDB_ABOUT_PICTURE, {16, 92, 117, 38}));
    c.push_back(Hidden(MakeGroupBox("Link", {7, 48, 118, 42})));
    c.push_back(Hidden(MakePushButton(IDC_WEB_LINK, "www.example.com", {11, 59, 109, 11})));
    c.push_back(Hidden(MakePushButton(IDC_MAIL_LINK, "support@example.com", {11, 72, 109, 11})));
    return page;
}

DialogTemplate StatusPageTemplate() {
    DialogTemplate page = MakePageTemplate(IDD_STATUS, "Status", 135, 152);
    const RowLayout rows{6, 34, 42, 87};
    auto& c = page.controls;
    // The profile row is hidden; it shares its place with the SSID row.
    c.push_back(Hidden(MakeLabel(IDC_STATIC, "Profile", rows.Label(0))));
    c.push_back(Hidden(MakeEdit(IDC_PROFILE, rows.Field(0), kReadOnlyField)));
    AddReadOnlyRow(page, rows, 0, "SSID", IDC_SSID);
    AddReadOnlyRow(page, rows, 1, "Status", IDC_STATUS);
    AddReadOnlyRow(page, rows, 2, "Type", IDC_NETWORK_TYPE);
    AddReadOnlyRow(page, rows, 3, "Channel", IDC_CHANNEL);
    AddReadOnlyRow(page, rows, 4, "Tx Rate", IDC_TX_RATE);
    c.push_back(MakeLabel(IDC_STATIC, "IP", rows.Label(5)));
    c.push_back(MakeLabel(IDC_IP_ADDRESS, "", {rows.fieldX, rows.Y(5) + 2, rows.fieldWidth, 8}));
    c.push_back(MakeLabel(IDC_STATIC, "MAC", rows.Label(6)));
    c.push_back(MakeLabel(IDC_MAC_ADDRESS, "", {rows.fieldX, rows.Y(6) + 2, rows.fieldWidth, 8}));
    c.push_back(MakeLabel(IDC_SIGNAL_LABEL, "Signal", rows.Label(7)));
    c.push_back(MakeProgressBar(IDC_SIGNAL_METER, rows.Field(7, 10)));
    c.push_back(MakeLabel(IDC_QUALITY_LABEL, "Quality", rows.Label(8)));
    c.push_back(MakeProgressBar(IDC_QUALITY_METER, rows.Field(8, 10)));
    const int buttonsY = rows.Y(9) + 2;
    c.push_back(Hidden(MakePushButton(IDC_CONFIG, "Config", {6, buttonsY, 58, 13})));
    c.push_back(MakePushButton(IDC_SET_AP, "Set AP", {71, buttonsY, 58, 13}));
    c.push_back(Hidden(MakeEdit(IDC_HIDDEN_TEXT, {6, buttonsY, 58, 12})));
    return page;
}

DialogTemplate BasebandRegisterTemplate() {
    return RegisterPageTemplate({IDD_BBCR, "BBCR", 140, 146, "CR_index (dec):", IDC_BB_INDEX,
                                 "CR_Data (hex):", IDC_BB_DATA, IDC_BB_OUTPUT, WS_VSCROLL, false});
}

DialogTemplate MacRegisterTemplate() {
    return RegisterPageTemplate({IDD_MCR, "MCR", 144, 143, "MCR_addr (hex):", IDC_MCR_ADDRESS,
                                 "MCR_Data (hex):", IDC_MCR_DATA, IDC_MCR_OUTPUT,
                                 WS_VSCROLL | WS_HSCROLL, false});
}

DialogTemplate EepromTemplate() {
    return RegisterPageTemplate({IDD_EEPROM, "EEPROM", 142, 145, "EEP_Index(hex):", IDC_EEP_INDEX,
                                 "EEP_Data (hex):", IDC_EEP_DATA, IDC_EEP_OUTPUT,
                                 WS_VSCROLL | WS_HSCROLL, true});
}

DialogTemplate StatisticsPageTemplate() {
    DialogTemplate page = MakePageTemplate(IDD_STATISTICS, "Statistics", 140, 141);
    const RowLayout tx{6, 80, 88, 46};
    const RowLayout rx{54, 80, 88, 46};
    AddReadOnlyRow(page, tx, 0, "Tx Success", IDC_TX_SUCCESS);
    AddReadOnlyRow(page, tx, 1, "Tx Error", IDC_TX_ERROR);
    AddReadOnlyRow(page, tx, 2, "Tx Throughput (Kbps)", IDC_TX_THROUGHPUT);
    AddReadOnlyRow(page, rx, 0, "Rx Success", IDC_RX_SUCCESS);
    // The good-CRC count is hidden; it shares its place with the CRC error row.
    page.controls.push_back(Hidden(MakeLabel(IDC_STATIC, "Rx CRC Success", rx.Label(1))));
    page.controls.push_back(Hidden(MakeEdit(IDC_RX_CRC_SUCCESS, rx.Field(1), kReadOnlyField)));
    AddReadOnlyRow(page, rx, 1, "Rx CRC Error", IDC_RX_CRC_ERROR);
    AddReadOnlyRow(page, rx, 2, "Rx Throughput (Kbps)", IDC_RX_THROUGHPUT);
    page.controls.push_back(MakePushButton(IDC_RESET, "Reset", {45, rx.Y(3) + 8, 50, 14}));
    return page;
}

DialogTemplate SiteSurveyPageTemplate() {
    DialogTemplate page = MakePageTemplate(IDD_SITE_SURVEY, "Site Survey", 148, 143);
    auto& c = page.controls;
    c.push_back(MakeListView(IDC_NETWORK_LIST, {6, 18, 136, 78}, LVS_REPORT | LVS_SHOWSELALWAYS));
    c.push_back(MakeLabel(IDC_STATIC, "Available Networks", {6, 6, 80, 8}));
    c.push_back(MakePushButton(IDC_RESCAN, "&Rescan", {92, 3, 50, 13}));
    c.push_back(MakeLabel(IDC_STATIC, "Profiles", {6, 100, 40, 8}));
    c.push_back(
        Hidden(MakeListView(IDC_PROFILE_LIST, {6, 110, 86, 30}, LVS_LIST | LVS_SHOWSELALWAYS)));
    c.push_back(Hidden(MakePushButton(IDC_PROFILE_NEW, "New", {96, 110, 46, 10})));
    c.push_back(Hidden(MakePushButton(IDC_PROFILE_DELETE, "Delete", {96, 121, 46, 10})));
    c.push_back(Hidden(MakePushButton(IDC_PROFILE_EDIT, "Edit", {96, 132, 46, 10})));
    return page;
}

DialogTemplate ProcessingDialogTemplate() {
    DialogTemplate dialog = MakeModalTemplate(IDD_PROCESSING, "Processing ...", 182, 50);
    dialog.controls.push_back(MakeLabel(IDC_PROCESSING_TEXT, "Static", {7, 7, 168, 8}));
    dialog.controls.push_back(
        MakeProgressBar(IDC_PROCESSING_PROGRESS, {7, 22, 168, 14}, PBS_SMOOTH | WS_BORDER));
    return dialog;
}

DialogTemplate ConfigurationDialogTemplate() {
    DialogTemplate dialog = MakeModalTemplate(IDD_CONFIGURATION, "Configuration", 141, 151,
                                              WS_SYSMENU, WS_EX_CAPTIONOKBTN);
    const RowLayout rows{8, 50, 58, 77};
    auto& c = dialog.controls;
    c.push_back(MakeLabel(IDC_STATIC, "Profile Name:", rows.Label(0)));
    c.push_back(MakeEdit(IDC_PROFILE_NAME, rows.Field(0), ES_AUTOHSCROLL));
    c.push_back(MakeLabel(IDC_STATIC, "Network Type:", rows.Label(1)));
    c.push_back(MakeDropList(IDC_PROFILE_NETWORK_TYPE, rows.Field(1, 60)));
    c.push_back(MakeLabel(IDC_STATIC, "SSID:", rows.Label(2)));
    c.push_back(MakeEdit(IDC_PROFILE_SSID, rows.Field(2), ES_AUTOHSCROLL));
    c.push_back(MakeLabel(IDC_STATIC, "Channel:", rows.Label(3)));
    c.push_back(MakeDropList(IDC_PROFILE_CHANNEL, rows.Field(3, 80)));
    c.push_back(MakeLabel(IDC_STATIC, "Desired Rate:", rows.Label(4)));
    c.push_back(MakeDropList(IDC_PROFILE_RATE, rows.Field(4, 70)));
    c.push_back(MakeCheckBox(IDC_HIDDEN_SSID, "Hidden SSID Enable", {6, rows.Y(5) + 2, 129, 10}));
    c.push_back(MakePushButton(IDC_APPLY, "Apply", {45, rows.Y(7), 50, 14}));
    return dialog;
}

DialogTemplate RadioPageTemplate() {
    DialogTemplate page = MakePageTemplate(IDD_RADIO, "Radio", 145, 117);
    const RowLayout rows{8, 52, 60, 77};
    auto& c = page.controls;
    c.push_back(MakeLabel(IDC_RADIO_LABEL, "S/W Radio:", rows.Label(0)));
    c.push_back(Hidden(MakeLabel(IDC_STATIC, "Channel:", rows.Label(2))));
    c.push_back(MakeLabel(IDC_STATIC, "Power Saving:", rows.Label(1)));
    c.push_back(MakeRadioButton(IDC_RADIO_OFF, "Off", {60, rows.Y(0) + 1, 30, 10}, true));
    c.push_back(MakeRadioButton(IDC_RADIO_ON, "On", {96, rows.Y(0) + 1, 30, 10}, false));
    c.push_back(Hidden(MakeDropList(IDC_RADIO_CHANNEL, rows.Field(2, 80), RadioChannelItems())));
    c.push_back(MakeDropList(IDC_POWER_SAVING, rows.Field(1, 50),
                             {"Disable", "Enable (Max)", "Enable (Fast)"}));
    return page;
}
