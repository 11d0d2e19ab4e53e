// Where the Linux driver gets its figures and sends its changes: the kernel's wireless stack
// (Nl80211Source), or a stand-in in tests. Changes return 0 or a positive errno value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "nl80211/wifi_state.h"

class WifiSource {
  public:
    virtual ~WifiSource() = default;
    virtual std::vector<WifiInterface> Interfaces() = 0;
    virtual StationFigures Station(const WifiInterface& wifi) = 0;
    virtual std::vector<BssInfo> ScanResults(const WifiInterface& wifi) = 0;
    // True from a scan trigger until the kernel reports the scan finished or aborted.
    virtual bool Scanning(const WifiInterface& wifi) = 0;
    virtual int TriggerScan(const WifiInterface& wifi) = 0;
    // Joins the open network `ssid`; frequencyMhz 0 lets the kernel pick.
    virtual int Connect(const WifiInterface& wifi, const std::string& ssid,
                        std::uint32_t frequencyMhz) = 0;
    virtual int Disconnect(const WifiInterface& wifi) = 0;
    virtual std::optional<bool> PowerSave(const WifiInterface& wifi) = 0;
    virtual int SetPowerSave(const WifiInterface& wifi, bool on) = 0;
    // The radio switch: nothing when the radio has no switch.
    virtual std::optional<bool> RadioOn(const WifiInterface& wifi) = 0;
    // Switching the radio on also brings the interface up again (the kernel takes it down when
    // the radio goes off).
    virtual int SetRadio(const WifiInterface& wifi, bool on) = 0;
};
