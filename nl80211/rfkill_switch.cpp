#include "nl80211/rfkill_switch.h"

#include <fcntl.h>
#include <linux/rfkill.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::optional<std::uint32_t> ReadNumber(const fs::path& file) {
    std::ifstream in(file);
    std::uint32_t value = 0;
    if (!(in >> value)) return std::nullopt;
    return value;
}

}  // namespace

RfkillSwitch::RfkillSwitch(std::string sysfsRoot, std::string device)
    : sysfs_(std::move(sysfsRoot)), device_(std::move(device)) {}

std::optional<std::uint32_t> RfkillSwitch::SwitchOf(std::uint32_t wiphy) const {
    std::error_code error;
    for (const auto& phy : fs::directory_iterator(fs::path(sysfs_) / "class/ieee80211", error)) {
        if (ReadNumber(phy.path() / "index") != wiphy) continue;
        for (const auto& entry : fs::directory_iterator(phy.path(), error)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("rfkill", 0) == 0) return ReadNumber(entry.path() / "index");
        }
    }
    return std::nullopt;
}

std::optional<bool> RfkillSwitch::RadioOn(std::uint32_t wiphy) const {
    auto index = SwitchOf(wiphy);
    if (!index) return std::nullopt;
    fs::path dir = fs::path(sysfs_) / "class/rfkill" / ("rfkill" + std::to_string(*index));
    auto soft = ReadNumber(dir / "soft");
    auto hard = ReadNumber(dir / "hard");
    if (!soft || !hard) return std::nullopt;
    return *soft == 0 && *hard == 0;
}

int RfkillSwitch::SetRadio(std::uint32_t wiphy, bool on) const {
    auto index = SwitchOf(wiphy);
    if (!index) return ENODEV;
    int fd = open(device_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    rfkill_event event{};
    event.idx = *index;
    event.op = RFKILL_OP_CHANGE;
    event.soft = on ? 0 : 1;
    ssize_t written = write(fd, &event, RFKILL_EVENT_SIZE_V1);
    int error = written == RFKILL_EVENT_SIZE_V1 ? 0 : written < 0 ? errno : EIO;
    close(fd);
    return error;
}
