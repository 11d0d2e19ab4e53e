#include "diagnostics/c_mcr.h"

#include "adapter/wlan_adapter.h"
#include "diagnostics/hex_field.h"
#include "platform/core/text.h"
#include "res/resource_ids.h"

namespace {

constexpr DWORD kRegisterBytes = 4;

}  // namespace

CMCR::CMCR() : RegisterPage(IDD_MCR, IDC_MCR_OUTPUT, IDC_MCR_DATA) {}

void CMCR::DoDataExchange(DataExchange& dx) {
    RegisterPage::DoDataExchange(dx);
    dx.Text(IDC_MCR_ADDRESS, address_);
}

void CMCR::OnRead() {
    UpdateData(TRUE);
    if (Adapter() == nullptr) return;
    DWORD value = 0;
    if (!Adapter()->ReadMacRegister(static_cast<int>(ScanHexOrZero(address_)), value)) {
        ShowMessage(kReadFailedMessage);
        return;
    }
    data_ = StrFormat("%08x", value);
    UpdateData(FALSE);
}

void CMCR::OnSet() {
    UpdateData(TRUE);
    if (Adapter() == nullptr) return;
    std::optional<DWORD> address = HexFieldForSet(address_);
    if (!address) return;
    std::optional<DWORD> value = HexFieldForSet(data_);
    if (!value) return;
    Adapter()->WriteMacRegister(static_cast<int>(*address), *value);
}

bool CMCR::AppendDump(std::string& text) {
    for (DWORD a = 0; a < kDumpEnd; a += kRegisterBytes) {
        if (a % kLineBytes == 0) text += StrFormat(a == 0 ? "%04x: " : "\r\n%04x: ", a);
        DWORD value = 0;
        if (!Adapter()->ReadMacRegister(static_cast<int>(a), value)) return false;
        text += StrFormat("%08x ", value);
    }
    return true;
}
