#include "nl80211/linux_host.h"

#include "nl80211/linux_protocol_driver.h"
#include "platform/core/device_manager.h"

namespace {

constexpr const char16_t* kDriverFile = u"RIZOZID4.dll";
constexpr const char16_t* kStreamPrefix = u"RAD";

}  // namespace

LinuxHost::LinuxHost(std::shared_ptr<WifiSource> source, LinuxCard::Notice notice)
    : source_(std::move(source)) {
    RefreshAddresses();
    auto wifi = source_;
    DeviceManager::Instance().InstallModule(
        kDriverFile, DriverModule{kStreamPrefix, [this, wifi, notice] {
                                      return std::make_shared<LinuxProtocolDriver>(
                                          wifi, notice, [this] { RefreshAddresses(); });
                                  }});
}

LinuxHost::~LinuxHost() { DeviceManager::Instance().UninstallModule(kDriverFile); }

void LinuxHost::RefreshAddresses() {
    std::vector<std::string> names;
    for (const WifiInterface& wifi : source_->Interfaces()) names.push_back(wifi.name);
    addresses_.Refresh(names);
}
