#include "main/linux/linux_entry.h"

#include "nl80211/linux_host.h"
#include "nl80211/nl80211_source.h"

namespace {

bool WifiPresent() {
    Nl80211Source source;
    return source.Ready() && !source.Interfaces().empty();
}

std::shared_ptr<void> Install(std::function<void(const std::string&)> notice) {
    return std::make_shared<LinuxHost>(std::make_shared<Nl80211Source>(), std::move(notice));
}

}  // namespace

const LinuxBackendEntry sdwlan_linux_entry{&WifiPresent, &Install};
