#include "nl80211/linux_host.h"

#include <sys/utsname.h>

#include "nl80211/linux_protocol_driver.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"

namespace {

constexpr const char16_t* kDriverFile = u"RIZOZID4.dll";
constexpr const char16_t* kStreamPrefix = u"RAD";
constexpr const char* kParametersKey = "Comm\\KESTREL1\\Parms";

// What installing a driver writes: its parameters key with its version, here the kernel's
// release, so that the settings the utility stores have a key to go to.
void InstallParameters() {
    utsname system{};
    std::string release = uname(&system) == 0 ? system.release : "linux";
    auto& registry = RegistryStore::Instance();
    if (registry.GetString(kParametersKey, "DriverVersion") != release) {
        registry.SetString(kParametersKey, "DriverVersion", release);
    }
}

}  // namespace

LinuxHost::LinuxHost(std::shared_ptr<WifiSource> source, LinuxCard::Notice notice)
    : addresses_(std::make_shared<InterfaceAddresses>()) {
    InstallParameters();
    addresses_->Refresh(*source);
    auto addresses = addresses_;
    DeviceManager::Instance().InstallModule(
        kDriverFile, DriverModule{kStreamPrefix, [source, addresses, notice] {
                                      return std::make_shared<LinuxProtocolDriver>(
                                          source, notice,
                                          [source, addresses] { addresses->Refresh(*source); });
                                  }});
}

LinuxHost::~LinuxHost() { DeviceManager::Instance().UninstallModule(kDriverFile); }
