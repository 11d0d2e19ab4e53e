#include "sim/sim_host.h"

#include <filesystem>

#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/core/text.h"
#include "platform/registry/registry_store.h"
#include "sim/active_devices.h"
#include "sim/driver_parameters.h"
#include "sim/rad4_protocol.h"
#include "sim/radio_world.h"
#include "sim/sim_card.h"
#include "sim/sim_protocol_driver.h"

namespace {

// "<registry file stem>-eeprom-<adapter>.txt" next to the registry file; empty without one.
std::string EepromPath(const WString& adapterName) {
    std::string registryFile = RegistryStore::Instance().BackingFile();
    if (registryFile.empty()) return {};
    std::string name;
    for (char c : WideToUtf8(adapterName)) {
        bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
        name.push_back(plain ? c : '_');
    }
    std::filesystem::path path(registryFile);
    return (path.parent_path() / (path.stem().string() + "-eeprom-" + name + ".txt")).string();
}

// What the driver's installation writes: its version under each parameters key.
void InstallDriverVersion(const Scenario& scenario) {
    for (const auto& adapter : scenario.adapters) {
        auto stored = RegistryStore::Instance().GetString(adapter.parametersKey, "DriverVersion");
        if (stored != scenario.driverVersion) {
            DriverParameters::WriteDriverVersion(adapter.parametersKey, scenario.driverVersion);
        }
    }
}

}  // namespace

SimHost::SimHost(Scenario scenario) : scenario_(std::move(scenario)) {
    world_ = std::make_shared<RadioWorld>(scenario_.networks, scenario_.seed, GetTickCount());
    for (const auto& adapter : scenario_.adapters) {
        cards_.push_back(
            std::make_shared<SimCard>(adapter, world_, scenario_, EepromPath(adapter.name)));
    }
    InstallDriverVersion(scenario_);
    InsertCards();
    DeviceManager::Instance().InstallModule(
        rad4::kDriverFile, DriverModule{rad4::kStreamPrefix, [this] { return CreateDriver(); }});
    if (scenario_.driver.alreadyPresent) RegisterPresentDriver();
}

SimHost::~SimHost() {
    DeviceManager::Instance().UninstallModule(rad4::kDriverFile);
    for (const auto& entry : active_) ActiveDevices::Remove(entry.path);
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
}

// The wireless cards are in their slots: the device manager lists each one as active.
void SimHost::InsertCards() {
    int number = 0;
    for (const auto& adapter : scenario_.adapters) {
        if (!adapter.wireless) continue;
        std::string name =
            adapter.deviceName.empty() ? StrFormat("KES%d:", ++number) : adapter.deviceName;
        ActiveDevices::RemoveStale(name);
        active_.push_back(
            {adapter.name, name, ActiveDevices::Add(name, ActiveDevices::kCardDriverKey)});
    }
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
    ProtocolDriverSpec spec = scenario_.driver;
    if (hostRegistering_) spec.registrationFails = false;
    auto driver = std::make_shared<SimProtocolDriver>(
        spec, cards_, [this](const SimProtocolDriver* unloaded) { OnDriverUnloaded(unloaded); });
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
