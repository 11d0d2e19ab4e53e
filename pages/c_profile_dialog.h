// The "Configuration" dialog: the settings of one connection (profile name, network type,
// SSID, channel, desired rate, hidden SSID). "Apply" joins the dialog's SSID as an
// infrastructure station through the adapter; the dialog stays open after it. A modal dialog
// with the same two back references as the pages.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class WlanAdapter;

class CProfileDialog : public Dialog {
  public:
    // What the opener asks for; any other value shows the adapter's current settings.
    static constexpr int MODE_PROFILE_EDITING = 4;
    static constexpr int MODE_FIXED_NETWORK = 5;
    static constexpr int MODE_RELOAD_SSID = 6;
    // Network types: indexes into the type list.
    static constexpr int TYPE_INFRASTRUCTURE = 0;
    static constexpr int TYPE_AD_HOC = 1;
    static constexpr int TYPE_ACCESS_POINT = 2;

    CProfileDialog(Window* parent, WlanAdapter* adapter);

    void SetAdapter(WlanAdapter* adapter) { adapter_ = adapter; }
    void SetMainDialog(Dialog* mainDialog) { mainDialog_ = mainDialog; }
    WlanAdapter* Adapter() const { return adapter_; }
    Dialog* GetMainDialog() const { return mainDialog_; }

    // Set by the opener before a run.
    void SetMode(int mode) { mode_ = mode; }
    void SetSsid(const std::string& ssid) { ssid_ = ssid; }
    void SetInitialName(const std::string& name) { initialName_ = name; }
    void SetNetworkType(int type) { networkType_ = type; }
    int Mode() const { return mode_; }
    const std::string& Ssid() const { return ssid_; }
    const std::string& ProfileName() const { return profileName_; }
    int NetworkType() const { return networkType_; }
    int SelectedType() const { return selectedType_; }
    int ChannelIndex() const { return channel_; }
    int Rate() const { return rate_; }

    // How many times a window of this dialog has been initialised.
    int InitCount() const { return initCount_; }

    BOOL OnInitDialog() override;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void FillLists();
    // The items of a string-table entry: each piece before a line feed, up to an empty one.
    void FillFromString(int listId, unsigned stringId);
    bool AccessPointUnsupported() const;
    void SetUpForMode();
    void ShowForNetworkType(int type);
    void LoadFromAdapter();
    void OnNetworkTypeChange();
    void Apply();
    void Enable(int id, bool enable);
    void Show(int id, bool show);

    WlanAdapter* adapter_;
    Dialog* mainDialog_ = nullptr;
    int mode_ = 0;
    std::string profileName_;
    std::string initialName_;
    int networkType_ = 0;
    std::string ssid_;
    int channel_ = 0;
    int rate_ = 0;
    int hiddenSsid_ = 0;
    int lowestChannel_ = 1;
    int highestChannel_ = 14;
    int selectedType_ = 0;
    int initCount_ = 0;
};
