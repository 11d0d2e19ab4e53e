#include "platform/ui/property_page.h"

PropertyPage::PropertyPage(int templateId) : Dialog(templateId) {}

std::string PropertyPage::Caption() const {
    const DialogTemplate* dialogTemplate = Template();
    return dialogTemplate != nullptr ? dialogTemplate->caption : std::string();
}

BOOL PropertyPage::OnSetActive() {
    if (firstSetActive_) {
        firstSetActive_ = false;
    } else {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL PropertyPage::OnKillActive() { return UpdateData(TRUE); }

void PropertyPage::OnWindowGone() {
    Dialog::OnWindowGone();
    firstSetActive_ = true;
}
