#include "sim/active_devices.h"

#include "platform/core/text.h"
#include "platform/registry/registry_store.h"

namespace {

constexpr const char* kActive = "Drivers\\Active";
constexpr int kMaxEntries = 100;

std::string EntryPath(int number) { return StrFormat("%s\\%02d", kActive, number); }

}  // namespace

std::string ActiveDevices::Add(const std::string& deviceName, const std::string& driverKey) {
    auto& registry = RegistryStore::Instance();
    for (int number = 1; number < kMaxEntries; ++number) {
        std::string path = EntryPath(number);
        if (registry.KeyExists(path)) continue;
        if (registry.SetString(path, "Name", deviceName) != 0 ||
            registry.SetString(path, "Key", driverKey) != 0) {
            registry.DeleteKey(path);
            return {};
        }
        return path;
    }
    return {};
}

void ActiveDevices::Remove(const std::string& path) {
    if (!path.empty()) RegistryStore::Instance().DeleteKey(path);
}

bool ActiveDevices::RemoveNamed(const std::string& deviceName) {
    auto& registry = RegistryStore::Instance();
    bool removed = false;
    for (int number = 1; number < kMaxEntries; ++number) {
        std::string path = EntryPath(number);
        if (registry.GetString(path, "Name") != deviceName) continue;
        registry.DeleteKey(path);
        removed = true;
    }
    return removed;
}
