// The base of the utility's property pages: the two back references the main dialog hands
// every page (the adapter, not owned, and the main dialog), and the count of window
// initialisations.
#pragma once

#include "platform/ui/property_page.h"

class Dialog;
class WlanAdapter;

class UtilityPage : public PropertyPage {
  public:
    // What the page does when its window is destroyed, after the framework's handling.
    enum class OnDestroyAction { Nothing, EndMainDialog };

    UtilityPage(int templateId, OnDestroyAction onDestroy);

    void SetAdapter(WlanAdapter* adapter) { adapter_ = adapter; }
    void SetMainDialog(Dialog* mainDialog) { mainDialog_ = mainDialog; }
    WlanAdapter* Adapter() const { return adapter_; }
    Dialog* GetMainDialog() const { return mainDialog_; }

    // How many times a window of this page has been initialised.
    int InitCount() const { return initCount_; }

    // Framework initialisation; pages call it first from their own initialisation.
    BOOL OnInitDialog() override;

  protected:
    void OnDestroy() override;

  private:
    WlanAdapter* adapter_ = nullptr;
    Dialog* mainDialog_ = nullptr;
    OnDestroyAction onDestroy_;
    int initCount_ = 0;
};
