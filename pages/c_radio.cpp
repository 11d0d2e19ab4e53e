#include "pages/c_radio.h"

#include "adapter/wlan_adapter.h"
#include "platform/core/text.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* CHANNEL_VALUE = "Channel";
constexpr const char* RADIO_VALUE = "RadioOn";
constexpr const char* POWER_VALUE = "PowerMode";
constexpr int FIRST_TWO_DIGIT_CHANNEL = 10;
constexpr int LAST_CHANNEL = 13;

// A stored digit's value; any other character counts as 0, as a decimal reading of it would.
int DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

}  // namespace

CRadio::CRadio() : UtilityPage(IDD_RADIO, OnDestroyAction::Nothing) {}

void CRadio::DoDataExchange(DataExchange& dx) {
    UtilityPage::DoDataExchange(dx);
    dx.Radio(IDC_RADIO_OFF, radioState_);
}

BOOL CRadio::OnSetActive() {
    if (Adapter() != nullptr) ReadStoredValues();
    return UtilityPage::OnSetActive();
}

void CRadio::ReadStoredValues() {
    // A missing value reads as empty text.
    std::string channel, radio, power;
    Adapter()->ReadRegistryValue(CHANNEL_VALUE, channel, 0);
    Adapter()->ReadRegistryValue(RADIO_VALUE, radio, 0);
    Adapter()->ReadRegistryValue(POWER_VALUE, power, 0);
    ShowChannel(channel);
    radioState_ = radio == "1" ? 1 : 0;
    ShowPowerMode(power);
    UpdateData(FALSE);
}

void CRadio::ShowChannel(const std::string& text) {
    int channel = 0;
    if (text.size() == 1) {
        channel = DigitValue(text[0]);
    } else if (text.size() == 2) {
        channel = DigitValue(text[0]) * 10 + DigitValue(text[1]);
        if (channel < FIRST_TWO_DIGIT_CHANNEL || channel > LAST_CHANNEL) return;
    } else {
        return;
    }
    // Channel 0 selects index -1: the list shows no selection.
    SendDlgItemMessage(IDC_RADIO_CHANNEL, CB_SETCURSEL, static_cast<WPARAM>(channel - 1));
}

void CRadio::ShowPowerMode(const std::string& text) {
    if (text == "0" || text == "1" || text == "2") {
        SendDlgItemMessage(IDC_POWER_SAVING, CB_SETCURSEL, static_cast<WPARAM>(text[0] - '0'));
    }
}

bool CRadio::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_RADIO_OFF || id == IDC_RADIO_ON) && code == BN_CLICKED) {
        SwitchRadio(id == IDC_RADIO_ON);
        return true;
    }
    if (id == IDC_RADIO_CHANNEL && code == CBN_SELCHANGE) {
        StoreSelection(IDC_RADIO_CHANNEL, CHANNEL_VALUE, 1);
        return true;
    }
    if (id == IDC_POWER_SAVING && code == CBN_SELCHANGE) {
        StoreSelection(IDC_POWER_SAVING, POWER_VALUE, 0);
        return true;
    }
    return UtilityPage::OnCommand(id, code, control);
}

void CRadio::SwitchRadio(bool on) {
    WlanAdapter* adapter = Adapter();
    if (adapter == nullptr) return;
    // The stored value is written before the radio goes off and after it comes on; the
    // driver's answer is not checked.
    if (on) {
        adapter->SetRadioState(1);
        adapter->WriteRegistryValue(RADIO_VALUE, "1", 0);
    } else {
        adapter->WriteRegistryValue(RADIO_VALUE, "0", 0);
        adapter->SetRadioState(0);
    }
}

void CRadio::StoreSelection(int listId, const char* name, int offset) {
    auto selection = static_cast<int>(SendDlgItemMessage(listId, CB_GETCURSEL));
    if (Adapter() == nullptr || selection < 0) return;
    Adapter()->WriteRegistryValue(name, StrFormat("%d", selection + offset), 0);
}
