// The radio switch of a wireless device (rfkill): its state from sysfs, its soft block changed
// through /dev/rfkill, which needs root or CAP_NET_ADMIN.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class RfkillSwitch {
  public:
    // `sysfsRoot` is "/sys" on a running system; tests give a folder of their own.
    explicit RfkillSwitch(std::string sysfsRoot = "/sys", std::string device = "/dev/rfkill");

    // On when neither blocked; nothing when the radio has no switch.
    std::optional<bool> RadioOn(std::uint32_t wiphy) const;
    // 0, or the errno of the refusal (ENODEV when the radio has no switch).
    int SetRadio(std::uint32_t wiphy, bool on) const;

  private:
    // The rfkill index of the radio with this wiphy index.
    std::optional<std::uint32_t> SwitchOf(std::uint32_t wiphy) const;

    std::string sysfs_;
    std::string device_;
};
