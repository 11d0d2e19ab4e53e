// The "Configuration" dialog: the settings of one connection, applied through the adapter.
// A modal dialog with the same two back references as the pages.
#pragma once

#include "platform/ui/dialog.h"

class MainDialog;
class WlanAdapter;

class CProfileDialog : public Dialog {
  public:
    CProfileDialog(Window* parent, WlanAdapter* adapter);

    void SetAdapter(WlanAdapter* adapter) { adapter_ = adapter; }
    void SetMainDialog(MainDialog* mainDialog) { mainDialog_ = mainDialog; }
    WlanAdapter* Adapter() const { return adapter_; }
    MainDialog* GetMainDialog() const { return mainDialog_; }

    // How many times a window of this dialog has been initialised.
    int InitCount() const { return initCount_; }

    BOOL OnInitDialog() override;

  private:
    WlanAdapter* adapter_;
    MainDialog* mainDialog_ = nullptr;
    int initCount_ = 0;
};
