#include "platform/ui/dialog.h"

#include "platform/ui/button.h"
#include "platform/ui/control_factory.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_host.h"
#include "platform/ui/window_manager.h"

Dialog::Dialog(int templateId, Window* parent) : owner_(parent), templateId_(templateId) {}

Dialog::~Dialog() {
    // Normally the window is gone by now; if not, it goes without messages, which would reach
    // a half-destroyed object.
    if (Handle() != 0) ReleaseWindow();
    ownedControls_.clear();
}

const DialogTemplate* Dialog::Template() const {
    return Resources::Instance().FindDialog(templateId_);
}

bool Dialog::CreateFromTemplate(Window* parent) {
    const DialogTemplate* dialogTemplate = Template();
    if (dialogTemplate == nullptr || Handle() != 0) return false;
    ending_ = false;
    result_ = 0;
    RECT rect{0, 0, DialogUnitsToPixelsX(dialogTemplate->cx),
              DialogUnitsToPixelsY(dialogTemplate->cy)};
    // Shown after initialisation, as the OS does for a template with WS_VISIBLE.
    if (!AttachNewWindow(parent, -1, dialogTemplate->caption, dialogTemplate->style & ~WS_VISIBLE,
                         dialogTemplate->exStyle, rect)) {
        return false;
    }
    for (const ControlTemplate& control : dialogTemplate->controls) {
        std::unique_ptr<Window> window = CreateTemplateControl(*this, control);
        if (window != nullptr) ownedControls_.push_back(std::move(window));
    }
    const bool visible = (dialogTemplate->style & WS_VISIBLE) != 0;
    SendMessage(WM_INITDIALOG, 0, 0);
    if (Handle() != 0 && visible && !ending_) ShowWindow(SW_SHOW);
    return Handle() != 0;
}

INT_PTR Dialog::DoModal() {
    WindowManager::Instance().PushModal(this);
    modal_ = true;
    if (!CreateFromTemplate(nullptr)) {
        WindowManager::Instance().PopModal(this);
        modal_ = false;
        return -1;
    }
    if (!ending_) {
        ShowWindow(SW_SHOW);
        CurrentUiHost().RunModalLoop(*this);
        if (!ending_) EndDialog(IDCANCEL);
    }
    WindowManager::Instance().PopModal(this);
    DestroyWindow();
    modal_ = false;
    return result_;
}

bool Dialog::Create(Window* parent) {
    owner_ = parent;
    // A popup dialog is a top-level window; the parent only owns it.
    const DialogTemplate* dialogTemplate = Template();
    bool child = dialogTemplate != nullptr && (dialogTemplate->style & WS_CHILD) != 0;
    return CreateFromTemplate(child ? parent : nullptr);
}

void Dialog::EndDialog(int result) {
    if (ending_) return;
    ending_ = true;
    result_ = result;
    NotifyChanged();
}

BOOL Dialog::UpdateData(BOOL saveAndValidate) {
    DataExchange dx(*this, saveAndValidate != FALSE);
    DoDataExchange(dx);
    return dx.Failed() ? FALSE : TRUE;
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (Window* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string Dialog::GetDlgItemText(int id) const {
    Window* item = GetDlgItem(id);
    return item != nullptr ? item->GetWindowText() : std::string();
}

LRESULT Dialog::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* item = GetDlgItem(id);
    return item != nullptr ? item->SendMessage(message, wParam, lParam) : 0;
}

void Dialog::CheckDlgButton(int id, int check) {
    SendDlgItemMessage(id, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

int Dialog::IsDlgButtonChecked(int id) const {
    auto* button = dynamic_cast<Button*>(GetDlgItem(id));
    return button != nullptr ? button->GetCheck() : BST_UNCHECKED;
}

void Dialog::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (Window* child : Children()) {
        int id = child->GetDlgCtrlID();
        if (id < firstId || id > lastId) continue;
        if (auto* button = dynamic_cast<Button*>(child))
            button->SetCheck(id == checkId ? BST_CHECKED : BST_UNCHECKED);
    }
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return Window::WindowProc(message, wParam, lParam);
}

BOOL Dialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void Dialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void Dialog::OnWindowGone() { ownedControls_.clear(); }

bool Dialog::BindControl(int id, Window& object) {
    Window* native = GetDlgItem(id);
    if (native == nullptr) return false;
    if (native == &object) return true;
    // The native object stays owned (without a window) until the dialog's window goes.
    return object.TakeOver(*native);
}
