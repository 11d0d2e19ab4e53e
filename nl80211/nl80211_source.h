// The kernel's wireless stack as the Linux driver's source: interfaces, station figures and scan
// results from nl80211 dumps, changes as nl80211 commands, the radio switch through rfkill.
// Calls from several threads take turns on the one socket.
#pragma once

#include <mutex>

#include "nl80211/nl_socket.h"
#include "nl80211/rfkill_switch.h"
#include "nl80211/scan_watch.h"
#include "nl80211/wifi_source.h"

class Nl80211Source : public WifiSource {
  public:
    Nl80211Source();

    // False when the kernel has no wireless stack this program can reach.
    bool Ready() const { return socket_.Ready(); }

    std::vector<WifiInterface> Interfaces() override;
    StationFigures Station(const WifiInterface& wifi) override;
    std::vector<BssInfo> ScanResults(const WifiInterface& wifi) override;
    bool Scanning(const WifiInterface& wifi) override;
    int TriggerScan(const WifiInterface& wifi) override;
    int Connect(const WifiInterface& wifi, const std::string& ssid,
                std::uint32_t frequencyMhz) override;
    int Disconnect(const WifiInterface& wifi) override;
    std::optional<bool> PowerSave(const WifiInterface& wifi) override;
    int SetPowerSave(const WifiInterface& wifi, bool on) override;
    std::optional<bool> RadioOn(const WifiInterface& wifi) override;
    int SetRadio(const WifiInterface& wifi, bool on) override;

  private:
    std::mutex mutex_;
    NlSocket socket_;
    ScanWatch scans_;
    RfkillSwitch rfkill_;
};
