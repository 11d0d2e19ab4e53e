// The registry's "Drivers\Active" entries, kept as the device manager keeps them: one numbered
// subkey per active device with its device name ("Name") and driver key ("Key"). The card's
// entry lets the utility tell the card's removal from other devices'.
#pragma once

#include <string>

class ActiveDevices {
  public:
    // Driver key of the SD card client driver of the wireless card.
    static constexpr const char* kCardDriverKey =
        "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1";

    // Adds an entry under the first free number; returns its path, empty when it failed.
    static std::string Add(const std::string& deviceName, const std::string& driverKey);
    static void Remove(const std::string& path);
    // Removes every entry for this device name (also one left behind by an earlier run: the
    // device manager starts with an empty list); false when there was none.
    static bool RemoveNamed(const std::string& deviceName);
};
