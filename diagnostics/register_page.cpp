#include "diagnostics/register_page.h"

#include "diagnostics/hex_field.h"
#include "platform/core/message_box.h"
#include "platform/ui/window_manager.h"
#include "res/resource_ids.h"

RegisterPage::RegisterPage(int templateId, int outputId, int dataId)
    : UtilityPage(templateId, OnDestroyAction::EndMainDialog),
      outputId_(outputId),
      dataId_(dataId) {}

void RegisterPage::DoDataExchange(DataExchange& dx) {
    UtilityPage::DoDataExchange(dx);
    dx.Control(outputId_, outputBox_);
    dx.Text(outputId_, output_);
    dx.Text(dataId_, data_);
}

bool RegisterPage::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return UtilityPage::OnCommand(id, code, control);
    switch (id) {
        case IDC_READ:
            OnRead();
            return true;
        case IDC_SET:
            OnSet();
            return true;
        case IDC_READ_ALL:
            OnReadAll();
            return true;
        default:
            return UtilityPage::OnCommand(id, code, control);
    }
}

void RegisterPage::OnReadAll() {
    if (Adapter() == nullptr) return;
    Dump();
}

void RegisterPage::Dump() {
    const int firstLine = outputBox_.GetFirstVisibleLine();
    std::string text;
    BeginWaitCursor();
    const bool complete = AppendDump(text);
    EndWaitCursor();
    if (!complete) {
        ShowMessage(kReadFailedMessage);
        return;
    }
    output_ = std::move(text);
    UpdateData(FALSE);
    if (firstLine > 0) outputBox_.LineScroll(firstLine);
}

std::optional<DWORD> RegisterPage::HexFieldForSet(const std::string& text) {
    std::optional<DWORD> value = ScanHex(text);
    if (!value) ShowMessage(kNotHexMessage);
    return value;
}

void RegisterPage::ShowMessage(const char* text) { MessageBox(0, text, "", MB_OK); }
