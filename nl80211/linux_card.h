// One wireless interface as the card driver's OIDs see it: each query is answered from the
// kernel's current figures, each set the interface can carry out is sent to the kernel, and
// everything a Linux interface has no counterpart for (registers, EEPROM, the private
// diagnostic records, keys) fails as unsupported.
#pragma once

#include <functional>
#include <string>

#include "nl80211/oid_exchange.h"
#include "nl80211/wifi_source.h"

class LinuxCard {
  public:
    // `notice` gets one line when the kernel refuses a change (missing privileges and the like).
    using Notice = std::function<void(const std::string&)>;
    LinuxCard(WifiSource& source, WifiInterface wifi, Notice notice = {});

    const std::string& Name() const { return wifi_.name; }
    OidAnswer Handle(const OidExchange& call);

  private:
    OidAnswer Query(const OidExchange& call);
    OidAnswer QueryLink(const OidExchange& call);
    OidAnswer QueryCounters(const OidExchange& call);
    OidAnswer QuerySettings(const OidExchange& call);
    OidAnswer Set(const OidExchange& call);
    OidAnswer SetSsid(const OidExchange& call);
    OidAnswer SetRadio(DWORD on);
    // Joins `ssid` on the frequency the scan results give it.
    int Join(const std::string& ssid);
    // Refreshes the interface's association from the kernel.
    const WifiInterface& Current();
    bool Connected();
    BssInfo CurrentBss();
    DWORD LinkQuality();
    // The outcome of a change: success, or a failure with one line to the notice.
    DWORD Outcome(int error, const char* what);

    WifiSource& source_;
    WifiInterface wifi_;
    Notice notice_;
    // The network the radio was switched off on: switching it on joins it again, as a card
    // goes back to its configured network.
    std::string rejoin_;
};
