// Installs the simulated protocol driver as "RIZOZID4.dll" in the device manager, with the cards
// and the radio world of a scenario. Tests and main() create one host; its destructor leaves the
// device manager as it found it and no worker thread behind.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/scenario.h"

class RadioWorld;
class SimCard;
class SimProtocolDriver;

class SimHost {
  public:
    explicit SimHost(Scenario scenario);
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    // The card behind a bound adapter; null for an unknown name.
    SimCard* Card(const WString& adapterName);
    // The loaded driver instance; null while the driver is not loaded.
    SimProtocolDriver* Driver();
    const Scenario& GetScenario() const;
    RadioWorld& World();
    // The card's device name in "Drivers\Active"; empty for an adapter without a card entry.
    std::string CardDeviceName(const WString& adapterName) const;
    // The registration the host made because the scenario says the driver is already present;
    // 0 when none, or once the driver has been deregistered.
    HANDLE PresentRegistration() const;

  private:
    void RegisterPresentDriver();
    void InsertCards();
    std::shared_ptr<SimProtocolDriver> CreateDriver();
    void OnDriverUnloaded(const SimProtocolDriver* driver);

    Scenario scenario_;
    std::shared_ptr<RadioWorld> world_;
    std::vector<std::shared_ptr<SimCard>> cards_;
    struct ActiveEntry {
        WString adapter;
        std::string deviceName;
        std::string path;
    };
    std::vector<ActiveEntry> active_;
    mutable std::mutex mutex_;
    std::weak_ptr<SimProtocolDriver> driver_;
    const SimProtocolDriver* presentDriver_ = nullptr;
    HANDLE presentRegistration_ = 0;
    bool hostRegistering_ = false;
};
