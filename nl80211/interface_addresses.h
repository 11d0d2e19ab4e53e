// The IPv4 addresses of the machine's wireless interfaces, copied into the IP helper's adapter
// list under the interface names the driver binds.
#pragma once

#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "nl80211/wifi_source.h"

class InterfaceAddresses {
  public:
    ~InterfaceAddresses();
    // Sets each wireless interface's current address, and drops the address of one that lost
    // it.
    void Refresh(WifiSource& source);

  private:
    std::mutex mutex_;
    std::set<std::string> listed_;
};
