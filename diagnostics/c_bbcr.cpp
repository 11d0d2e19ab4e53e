#include "diagnostics/c_bbcr.h"

#include "adapter/wlan_adapter.h"
#include "platform/core/text.h"
#include "res/resource_ids.h"

CBBCR::CBBCR() : RegisterPage(IDD_BBCR, IDC_BB_OUTPUT, IDC_BB_DATA) {}

void CBBCR::DoDataExchange(DataExchange& dx) {
    RegisterPage::DoDataExchange(dx);
    // A text that is not an integer is refused with the platform's message; the previous
    // index stays and the command goes on with it.
    dx.Text(IDC_BB_INDEX, index_);
}

void CBBCR::OnRead() {
    UpdateData(TRUE);
    if (Adapter() == nullptr) return;
    BYTE value = 0;
    if (!Adapter()->ReadBbRegister(static_cast<BYTE>(index_), value)) {
        ShowMessage(kReadFailedMessage);
        return;
    }
    data_ = StrFormat("%02x", value);
    UpdateData(FALSE);
}

void CBBCR::OnSet() {
    UpdateData(TRUE);
    if (Adapter() == nullptr) return;
    std::optional<DWORD> value = HexFieldForSet(data_);
    if (!value) return;
    Adapter()->WriteBbRegister(static_cast<BYTE>(index_), static_cast<BYTE>(*value));
}

bool CBBCR::AppendDump(std::string& text) {
    for (int r = 0; r < kRegisterCount; ++r) {
        if (r % kRegistersPerLine == 0) text += StrFormat("%04d:\t", r);
        BYTE value = 0;
        if (!Adapter()->ReadBbRegister(r, value)) return false;
        text +=
            StrFormat(r % kRegistersPerLine == kRegistersPerLine - 1 ? "%02x\r\n" : "%02x ", value);
    }
    return true;
}
