#include "nl80211/nl80211_source.h"

#include <linux/nl80211.h>
#include <net/if.h>
#include <netlink/attr.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "nl80211/nl_attributes.h"

namespace {

// Sets the interface up, as `ip link set NAME up` does; 0 or the errno.
int InterfaceUp(const std::string& name) {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    ifreq request{};
    std::strncpy(request.ifr_name, name.c_str(), IFNAMSIZ - 1);
    int error = ioctl(fd, SIOCGIFFLAGS, &request) == 0 ? 0 : errno;
    if (error == 0 && (request.ifr_flags & IFF_UP) == 0) {
        request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
        if (ioctl(fd, SIOCSIFFLAGS, &request) != 0) error = errno;
    }
    close(fd);
    return error;
}

}  // namespace

Nl80211Source::Nl80211Source() = default;

std::vector<WifiInterface> Nl80211Source::Interfaces() {
    std::lock_guard lock(mutex_);
    std::vector<WifiInterface> found;
    socket_.Run(socket_.Message(NL80211_CMD_GET_INTERFACE, 0, true), [&](nlattr* at, int length) {
        auto wifi = nl_attributes::Interface(at, length);
        if (wifi && wifi->type != NL80211_IFTYPE_MONITOR) found.push_back(std::move(*wifi));
    });
    return found;
}

StationFigures Nl80211Source::Station(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    StationFigures figures;
    socket_.Run(socket_.Message(NL80211_CMD_GET_STATION, wifi.index, true),
                [&](nlattr* at, int length) {
                    // A station interface has one peer: its access point.
                    if (!figures.present) figures = nl_attributes::Station(at, length);
                });
    return figures;
}

std::vector<BssInfo> Nl80211Source::ScanResults(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    std::vector<BssInfo> networks;
    socket_.Run(socket_.Message(NL80211_CMD_GET_SCAN, wifi.index, true),
                [&](nlattr* at, int length) {
                    if (auto bss = nl_attributes::Bss(at, length)) networks.push_back(*bss);
                });
    return networks;
}

bool Nl80211Source::Scanning(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    return scans_.Scanning(wifi.index);
}

int Nl80211Source::TriggerScan(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    nl_msg* message = socket_.Message(NL80211_CMD_TRIGGER_SCAN, wifi.index);
    // An empty SSID list: a passive scan would miss hidden networks, this probes for any.
    if (message != nullptr) {
        nlattr* ssids = nla_nest_start(message, NL80211_ATTR_SCAN_SSIDS);
        nla_put(message, 1, 0, "");
        nla_nest_end(message, ssids);
    }
    int error = socket_.Run(message);
    // A scan already running counts as started.
    if (error == 0 || error == EBUSY) scans_.Started(wifi.index);
    return error == EBUSY ? 0 : error;
}

int Nl80211Source::Connect(const WifiInterface& wifi, const std::string& ssid,
                           std::uint32_t frequencyMhz) {
    std::lock_guard lock(mutex_);
    // A station joined elsewhere leaves that network first.
    if (!wifi.ssid.empty()) socket_.Run(socket_.Message(NL80211_CMD_DISCONNECT, wifi.index));
    nl_msg* message = socket_.Message(NL80211_CMD_CONNECT, wifi.index);
    if (message != nullptr) {
        nla_put(message, NL80211_ATTR_SSID, static_cast<int>(ssid.size()), ssid.data());
        nla_put_u32(message, NL80211_ATTR_AUTH_TYPE, NL80211_AUTHTYPE_OPEN_SYSTEM);
        if (frequencyMhz != 0) nla_put_u32(message, NL80211_ATTR_WIPHY_FREQ, frequencyMhz);
    }
    int error = socket_.Run(message);
    return error == EALREADY ? 0 : error;
}

int Nl80211Source::Disconnect(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    int error = socket_.Run(socket_.Message(NL80211_CMD_DISCONNECT, wifi.index));
    // Not connected: already where the caller wants it.
    return error == ENOTCONN ? 0 : error;
}

std::optional<bool> Nl80211Source::PowerSave(const WifiInterface& wifi) {
    std::lock_guard lock(mutex_);
    std::optional<bool> state;
    socket_.Run(socket_.Message(NL80211_CMD_GET_POWER_SAVE, wifi.index),
                [&](nlattr* at, int length) { state = nl_attributes::PowerSave(at, length); });
    return state;
}

int Nl80211Source::SetPowerSave(const WifiInterface& wifi, bool on) {
    std::lock_guard lock(mutex_);
    nl_msg* message = socket_.Message(NL80211_CMD_SET_POWER_SAVE, wifi.index);
    if (message != nullptr) {
        nla_put_u32(message, NL80211_ATTR_PS_STATE, on ? NL80211_PS_ENABLED : NL80211_PS_DISABLED);
    }
    return socket_.Run(message);
}

std::optional<bool> Nl80211Source::RadioOn(const WifiInterface& wifi) {
    return rfkill_.RadioOn(wifi.wiphy);
}

int Nl80211Source::SetRadio(const WifiInterface& wifi, bool on) {
    int error = rfkill_.SetRadio(wifi.wiphy, on);
    return error == 0 && on ? InterfaceUp(wifi.name) : error;
}
