#include "pages/c_profile_dialog.h"

#include "res/resource_ids.h"

CProfileDialog::CProfileDialog(Window* parent, WlanAdapter* adapter)
    : Dialog(IDD_CONFIGURATION, parent), adapter_(adapter) {}

BOOL CProfileDialog::OnInitDialog() {
    ++initCount_;
    return Dialog::OnInitDialog();
}
