// Installs the Linux protocol driver as the card driver's file in the device manager, over a
// wireless source (the kernel's, or a stand-in in tests), and keeps the IP helper's list of the
// wireless interfaces' addresses. The destructor leaves the device manager and the IP helper as
// it found them.
#pragma once

#include <memory>

#include "nl80211/interface_addresses.h"
#include "nl80211/linux_card.h"

class LinuxHost {
  public:
    LinuxHost(std::shared_ptr<WifiSource> source, LinuxCard::Notice notice);
    ~LinuxHost();
    LinuxHost(const LinuxHost&) = delete;
    LinuxHost& operator=(const LinuxHost&) = delete;

  private:
    // Shared with the driver instances, which refresh them and may outlive the host.
    std::shared_ptr<InterfaceAddresses> addresses_;
};
