#include "sim/sim_host.h"

#include <algorithm>
#include <filesystem>

#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/core/text.h"
#include "platform/registry/registry_path.h"
#include "platform/registry/registry_store.h"
#include "platform/ui/window_constants.h"
#include "platform/ui/window_manager.h"
#include "rad4/rad4_protocol.h"
#include "sim/le_bytes.h"
#include "sim/radio_world.h"
#include "sim/sim_card.h"
#include "sim/sim_protocol_driver.h"

namespace {

// The registry's "Drivers\Active" entries, kept as the device manager keeps them: one numbered
// subkey per active device with its device name ("Name") and driver key ("Key"). The card's
// entry lets the utility tell the card's removal from other devices'.
constexpr const char* kActive = "Drivers\\Active";
constexpr int kMaxActiveEntries = 100;
// Driver key of the SD card client driver of the wireless card.
constexpr const char* kCardDriverKey =
    "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1";
constexpr std::size_t kPortRecordHeader = 12;

std::string ActiveEntryPath(int number) { return StrFormat("%s\\%02d", kActive, number); }

// Adds an entry under the first free number; returns its path, empty when it failed.
std::string AddActiveDevice(const std::string& deviceName, const std::string& driverKey) {
    auto& registry = RegistryStore::Instance();
    for (int number = 1; number < kMaxActiveEntries; ++number) {
        std::string path = ActiveEntryPath(number);
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

void RemoveActiveDevice(const std::string& path) {
    if (!path.empty()) RegistryStore::Instance().DeleteKey(path);
}

// Removes every entry for this device name (also one left behind by an earlier run: the
// device manager starts with an empty list).
void RemoveActiveDevicesNamed(const std::string& deviceName) {
    auto& registry = RegistryStore::Instance();
    const RegistryPath active{"Drivers", "Active"};
    std::vector<std::string> matching;
    std::string entry;
    for (DWORD index = 0; registry.EnumKey(active, index, &entry) == ERROR_SUCCESS; ++index) {
        const std::string path = std::string(kActive) + "\\" + entry;
        if (registry.GetString(path, "Name") == deviceName) matching.push_back(path);
    }
    for (const std::string& path : matching) registry.DeleteKey(path);
}

// Sends the removal of a port device to every top-level window, as the OS broadcasts it:
// WM_DEVICECHANGE with DBT_DEVICEREMOVECOMPLETE and a port record (size, device type
// DBT_DEVTYP_PORT, reserved 0, then the device name in UTF-16 with its NUL; the size counts
// it all). GUI thread only.
void BroadcastPortRemoved(const std::string& deviceName) {
    WString name = Utf8ToWide(deviceName);
    std::vector<BYTE> record(kPortRecordHeader + (name.size() + 1) * 2);
    PutLe32(record, 0, static_cast<DWORD>(record.size()));
    PutLe32(record, 4, DBT_DEVTYP_PORT);
    PutLe32(record, 8, 0);
    for (std::size_t i = 0; i < name.size(); ++i) {
        PutLe16(record, kPortRecordHeader + 2 * i, name[i]);
    }
    BroadcastDeviceChange(DBT_DEVICEREMOVECOMPLETE, record);
}

// "<registry file stem>-eeprom-<adapter>.txt" next to the registry file; empty without one.
// Letters, digits, '-', '_' and non-ASCII UTF-8 stay as they are; every other byte is written as
// %XX, so that different names never share a file and the longest name still fits a file name.
std::string EepromPath(const WString& adapterName) {
    std::string registryFile = RegistryStore::Instance().BackingFile();
    if (registryFile.empty()) return {};
    std::string name;
    for (char c : WideToUtf8(adapterName)) {
        auto byte = static_cast<unsigned char>(c);
        bool plain = std::isalnum(byte) || c == '-' || c == '_' || byte >= 0x80;
        name += plain ? std::string(1, c) : StrFormat("%%%02X", byte);
    }
    std::filesystem::path path(registryFile);
    return (path.parent_path() / (path.stem().string() + "-eeprom-" + name + ".txt")).string();
}

// What the driver's installation writes: its version under each parameters key.
void InstallDriverVersion(const Scenario& scenario) {
    for (const auto& adapter : scenario.adapters) {
        auto stored = RegistryStore::Instance().GetString(adapter.parametersKey, "DriverVersion");
        if (stored != scenario.driverVersion) {
            RegistryStore::Instance().SetString(adapter.parametersKey, "DriverVersion",
                                                scenario.driverVersion);
        }
    }
}

// The address the network stack gives an adapter: the scenario's, else one from the
// documentation range by the adapter's position.
std::string IpAddressOf(const AdapterSpec& adapter, std::size_t position) {
    constexpr std::size_t kFirstHost = 15;
    return adapter.ipAddress.value_or(StrFormat("192.0.2.%zu", kFirstHost + position));
}

}  // namespace

SimHost::SimHost(Scenario scenario) : scenario_(std::move(scenario)), startTick_(GetTickCount()) {
    world_ = std::make_shared<RadioWorld>(scenario_.networks, scenario_.seed, startTick_);
    for (std::size_t i = 0; i < scenario_.adapters.size(); ++i) {
        const AdapterSpec& adapter = scenario_.adapters[i];
        cards_.push_back(std::make_shared<SimCard>(
            adapter, world_, scenario_, EepromPath(adapter.name), IpAddressOf(adapter, i)));
    }
    InstallDriverVersion(scenario_);
    InsertCards();
    ListActiveDevices();
    DeviceManager::Instance().InstallModule(
        rad4::kDriverFile, DriverModule{rad4::kStreamPrefix, [this] { return CreateDriver(); }});
    if (scenario_.driver.alreadyPresent) RegisterPresentDriver();
    ScheduleEvents();
}

SimHost::~SimHost() {
    for (ClockScheduler::Id id : scheduled_) ClockScheduler::Instance().Cancel(id);
    DeviceManager::Instance().UninstallModule(rad4::kDriverFile);
    for (const auto& entry : active_) RemoveActiveDevice(entry.path);
    for (const auto& path : otherDevices_) RemoveActiveDevice(path);
    if (HANDLE present = PresentRegistration(); present != 0) DeregisterDevice(present);
    std::shared_ptr<SimProtocolDriver> driver;
    {
        std::lock_guard lock(mutex_);
        driver = driver_.lock();
    }
    if (driver) {
        driver->ForgetOwner();
        driver->Shutdown();
    }
    for (const auto& card : cards_) card->Retire();
}

// The wireless cards are in their slots: the device manager lists each one as active.
void SimHost::InsertCards() {
    int number = 0;
    for (const auto& adapter : scenario_.adapters) {
        if (!adapter.wireless) continue;
        std::string name =
            adapter.deviceName.empty() ? StrFormat("KES%d:", ++number) : adapter.deviceName;
        RemoveActiveDevicesNamed(name);
        active_.push_back({adapter.name, name, AddActiveDevice(name, kCardDriverKey)});
    }
}

// Other devices the scenario lists, as the device manager would list them.
void SimHost::ListActiveDevices() {
    for (const auto& device : scenario_.activeDevices) {
        RemoveActiveDevicesNamed(device.name);
        std::string path = AddActiveDevice(device.name, device.key);
        if (!path.empty()) otherDevices_.push_back(path);
    }
}

// Each event at its world time; the callbacks run on the thread that drives the clock.
void SimHost::ScheduleEvents() {
    for (const SimEvent& event : scenario_.events) {
        scheduled_.push_back(ClockScheduler::Instance().Schedule(startTick_ + event.atMs,
                                                                 [this, event] { Apply(event); }));
    }
}

SimCard* SimHost::WirelessCard(const WString& adapterName) {
    for (const auto& card : cards_) {
        if (card->IsWireless() && (adapterName.empty() || card->Name() == adapterName)) {
            return card.get();
        }
    }
    return nullptr;
}

bool SimHost::RemoveCard(const WString& adapterName) {
    SimCard* card = WirelessCard(adapterName);
    if (card == nullptr || card->Removed()) return false;
    auto entry = std::find_if(active_.begin(), active_.end(),
                              [&](const ActiveEntry& e) { return e.adapter == card->Name(); });
    std::string deviceName;
    if (entry != active_.end()) {
        RemoveActiveDevice(entry->path);
        deviceName = entry->deviceName;
        active_.erase(entry);
    }
    card->Remove();
    if (!deviceName.empty()) BroadcastPortRemoved(deviceName);
    return true;
}

void SimHost::RemoveDevice(const std::string& deviceName) {
    for (const auto& entry : active_) {
        if (entry.deviceName == deviceName) {
            WString adapter = entry.adapter;  // the entry goes with the card
            RemoveCard(adapter);
            return;
        }
    }
    RemoveActiveDevicesNamed(deviceName);
    BroadcastPortRemoved(deviceName);
}

std::string SimHost::Apply(const SimEvent& event) {
    if (event.kind == SimEventKind::RemoveDevice) {
        RemoveDevice(event.deviceName);
        return {};
    }
    SimCard* card = WirelessCard(event.adapter);
    if (card == nullptr) {
        return event.adapter.empty()
                   ? "no wireless adapter in the scenario"
                   : "no wireless adapter '" + WideToUtf8(event.adapter) + "' in the scenario";
    }
    if (card->Removed()) return "the card of adapter " + WideToUtf8(card->Name()) + " is removed";
    return ApplyToCard(*card, event);
}

std::string SimHost::ApplyToCard(SimCard& card, const SimEvent& event) {
    if (event.kind == SimEventKind::RemoveCard) {
        RemoveCard(card.Name());
        return {};
    }
    bool done = card.WithCard([&event](CardModel& model) {
        DWORD now = GetTickCount();
        switch (event.kind) {
            case SimEventKind::LinkDown:
                model.LinkDown(now);
                break;
            case SimEventKind::LinkUp:
                return model.LinkUp(now);
            case SimEventKind::ScanState:
                model.SetScanState(event.scanState);
                if (event.bssid) model.SetBssid(*event.bssid);
                break;
            case SimEventKind::Signal:
                model.SetSignal(event.signalDbm, now);
                break;
            case SimEventKind::RestartCounters:
                model.RestartCounters(now);
                break;
            case SimEventKind::RemoveCard:
            case SimEventKind::RemoveDevice:
                break;
        }
        return true;
    });
    return done ? std::string() : "no network in range to connect to";
}

std::string SimHost::CardDeviceName(const WString& adapterName) const {
    for (const auto& entry : active_) {
        if (entry.adapter == adapterName) return entry.deviceName;
    }
    return {};
}

void SimHost::RegisterPresentDriver() {
    hostRegistering_ = true;
    HANDLE registration = RegisterDevice(rad4::kRegistrationPrefix, rad4::kRegistrationIndex,
                                         rad4::kDriverFile, rad4::kRegistrationContext);
    hostRegistering_ = false;
    if (registration == 0) return;
    {
        std::lock_guard lock(mutex_);
        presentRegistration_ = registration;
        presentDriver_ = driver_.lock().get();
    }
    // The process that loaded the driver hands it the registration handle, so that whoever
    // unloads it last can deregister it.
    HANDLE device = CreateFile(rad4::kDeviceName, GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
    DWORD returned = 0;
    DeviceIoControl(device, rad4::kSetRegistration, &registration, sizeof registration, nullptr, 0,
                    &returned, nullptr);
    CloseHandle(device);
}

std::shared_ptr<SimProtocolDriver> SimHost::CreateDriver() {
    ProtocolDriverSpec desc = scenario_.driver;
    if (hostRegistering_) desc.registrationFails = false;
    auto driver = std::make_shared<SimProtocolDriver>(
        desc, cards_, [this](const SimProtocolDriver* unloaded) { OnDriverUnloaded(unloaded); });
    std::lock_guard lock(mutex_);
    driver_ = driver;
    return driver;
}

void SimHost::OnDriverUnloaded(const SimProtocolDriver* driver) {
    std::lock_guard lock(mutex_);
    if (driver == presentDriver_) {
        presentDriver_ = nullptr;
        presentRegistration_ = 0;
    }
}

SimCard* SimHost::Card(const WString& adapterName) {
    for (const auto& card : cards_) {
        if (card->Name() == adapterName) return card.get();
    }
    return nullptr;
}

SimProtocolDriver* SimHost::Driver() {
    std::lock_guard lock(mutex_);
    return driver_.lock().get();
}

const Scenario& SimHost::GetScenario() const { return scenario_; }

RadioWorld& SimHost::World() { return *world_; }

HANDLE SimHost::PresentRegistration() const {
    std::lock_guard lock(mutex_);
    return presentRegistration_;
}
