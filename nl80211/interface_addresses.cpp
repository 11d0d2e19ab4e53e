#include "nl80211/interface_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <map>
#include <utility>

#include "platform/core/ip_helper.h"

namespace {

std::string Dotted(const sockaddr* address) {
    char text[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(address);
    inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
    return text;
}

// Interface name to its first IPv4 address and mask.
std::map<std::string, std::pair<std::string, std::string>> CurrentAddresses() {
    std::map<std::string, std::pair<std::string, std::string>> found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return found;
    for (ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        if (found.count(entry->ifa_name) != 0) continue;
        std::string mask = entry->ifa_netmask ? Dotted(entry->ifa_netmask) : "0.0.0.0";
        found[entry->ifa_name] = {Dotted(entry->ifa_addr), mask};
    }
    freeifaddrs(list);
    return found;
}

}  // namespace

InterfaceAddresses::~InterfaceAddresses() {
    for (const auto& name : listed_) RemoveAdapterAddress(name);
}

void InterfaceAddresses::Refresh(WifiSource& source) {
    auto interfaces = source.Interfaces();
    auto current = CurrentAddresses();
    std::lock_guard lock(mutex_);
    for (const WifiInterface& wifi : interfaces) {
        const std::string& name = wifi.name;
        auto found = current.find(name);
        if (found != current.end()) {
            SetAdapterAddress(name, found->second.first, found->second.second);
            listed_.insert(name);
        } else if (listed_.erase(name) != 0) {
            RemoveAdapterAddress(name);
        }
    }
}
