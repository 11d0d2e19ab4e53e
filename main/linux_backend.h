// The Linux driver (--backend linux) lives in the program's module sdwlan-linux.so: only a run
// that asks for it loads the netlink libraries.
#pragma once

#include <functional>
#include <memory>
#include <string>

struct LinuxBackendEntry {
    // Whether the kernel reports a wireless interface this program can reach.
    bool (*wifiPresent)();
    // Installs the Linux protocol driver over the kernel's Wi-Fi, for as long as the returned
    // object lives; `notice` gets the driver's one-line notices.
    std::shared_ptr<void> (*install)(std::function<void(const std::string&)> notice);
};

// The entry points: those given to UseLinuxBackendEntry, else the module's; null, with `error`
// saying why, when the module does not load.
const LinuxBackendEntry* LinuxBackend(std::string& error);
// For a program that links the driver in (tests); nullptr loads the module again.
void UseLinuxBackendEntry(const LinuxBackendEntry* entry);
