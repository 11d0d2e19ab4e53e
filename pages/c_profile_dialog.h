// The "Configuration" dialog: the settings of one connection, applied through the adapter.
// A modal dialog with the same two back references as the pages.
#pragma once

#include "platform/ui/dialog.h"

class WlanAdapter;

class CProfileDialog : public Dialog {
  public:
    CProfileDialog(Window* parent, WlanAdapter* adapter);

    void SetAdapter(WlanAdapter* adapter) { adapter_ = adapter; }
    void SetMainDialog(Dialog* mainDialog) { mainDialog_ = mainDialog; }
    WlanAdapter* Adapter() const { return adapter_; }
    Dialog* GetMainDialog() const { return mainDialog_; }

    // How many times a window of this dialog has been initialised.
    int InitCount() const { return initCount_; }

    BOOL OnInitDialog() override;

  private:
    WlanAdapter* adapter_;
    Dialog* mainDialog_ = nullptr;
    int initCount_ = 0;
};
