// The Status page: what the adapter is doing now, refreshed on timers while in front.
//
// Three window timers run while the page is active: the link refresh (254, every 5 s), the
// address refresh (255, every 6 s) and the disconnected poll (256, every 3 s; restarted when
// the disconnected state is shown, stopped by a link refresh that finds a connection).
#pragma once

#include <optional>
#include <string>

#include "adapter/ndis_records.h"
#include "controls/gradient_meter.h"
#include "pages/utility_page.h"

class CProfileDialog;

class CConfig : public UtilityPage {
  public:
    static constexpr UINT_PTR LINK_TIMER = 254;
    static constexpr UINT_PTR ADDRESS_TIMER = 255;
    static constexpr UINT_PTR POLL_TIMER = 256;
    static constexpr UINT LINK_PERIOD_MS = 5000;
    static constexpr UINT ADDRESS_PERIOD_MS = 6000;
    static constexpr UINT POLL_PERIOD_MS = 3000;

    CConfig();

    // The name of the opened adapter; the page finds its IP address by it.
    void SetAdapterName(const std::string& name) { adapterName_ = name; }
    const std::string& AdapterName() const { return adapterName_; }
    // The dialog the "Config" button opens; with none the button stays hidden.
    void SetProfileDialog(CProfileDialog* dialog) { profileDialog_ = dialog; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

  protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR id) override;

  private:
    void FirstRefresh();
    void RefreshLink();
    void RefreshAddress();
    void PollDisconnected();
    // Once per disconnection: status, meters at 0, the configured SSID, the poll restarted.
    void ShowDisconnected();
    void ShowConnectedLink();
    void StartShortcut();
    void OpenProfileDialog();

    static void SetUpMeter(GradientMeter& meter);
    void ShowStatus(const std::string& text);
    void ShowConnectedStatus();
    void ShowLinkSpeed();
    // Reads the network type and shows it; the access-point modes only when asked for.
    void ShowNetworkType(bool withApModes);
    std::string NetworkTypeText(bool withApModes) const;
    void ShowChannel();
    // The SSID the driver reports, else the configured one from the registry.
    void ShowSsid();
    // The BSSID of a link in scan state 8, read once until another state comes.
    std::string CapturedBssidText();

    GradientMeter qualityMeter_;
    GradientMeter signalMeter_;
    std::string ssid_;
    std::string profile_;
    std::string status_;
    int channel_ = 0;
    std::string ip_;
    std::string mac_;
    std::string hidden_;
    int bssType_ = -1;
    int signal_ = 0;
    int quality_ = 0;
    int deviceClass_ = 0;
    std::string bssid_;
    NdisConfiguration configuration_{};
    std::optional<ApInfoRecord> apInfo_;
    std::string adapterName_;
    CProfileDialog* profileDialog_ = nullptr;
    bool disconnectedShown_ = false;
    bool bssidCaptured_ = false;
};
