#include "pages/utility_page.h"

#include "platform/ui/dialog.h"

UtilityPage::UtilityPage(int templateId, OnDestroyAction onDestroy)
    : PropertyPage(templateId), onDestroy_(onDestroy) {}

BOOL UtilityPage::OnInitDialog() {
    ++initCount_;
    return PropertyPage::OnInitDialog();
}

void UtilityPage::OnDestroy() {
    PropertyPage::OnDestroy();
    // A page that goes away takes the application with it; while the main dialog is already
    // ending this changes nothing.
    if (onDestroy_ == OnDestroyAction::EndMainDialog && mainDialog_ != nullptr) {
        mainDialog_->OnOK();
    }
}
