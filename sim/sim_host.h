// Installs the simulated protocol driver as "RIZOZID4.dll" in the device manager, with the cards
// and the radio world of a scenario, and schedules the scenario's events on the platform clock's
// scheduler. Tests and main() create one host; its destructor leaves the device manager, the
// registry's "Drivers\Active" list and the IP helper as it found them, cancels the events that
// have not happened, and leaves no worker thread behind.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/core/clock.h"
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

    // Simulator events. Call them on the GUI thread: a removal is broadcast to the windows.
    // The card is pulled out: its "Drivers\Active" entry goes, it answers no more requests and
    // the adapter leaves the binding list and the IP helper; then the removal of its device is
    // broadcast. Empty name: the first wireless adapter. False when there is no such card in
    // its slot.
    bool RemoveCard(const WString& adapterName = {});
    // Another device goes: its entries, if any, leave "Drivers\Active" and its removal is
    // broadcast. The device name of a card in its slot removes that card.
    void RemoveDevice(const std::string& deviceName);
    // Carries out a scenario event or a script command; returns an error text, or an empty one.
    std::string Apply(const SimEvent& event);

  private:
    void RegisterPresentDriver();
    void InsertCards();
    void ListActiveDevices();
    void ScheduleEvents();
    // The wireless card an event means (empty name: the first); null when there is none.
    SimCard* WirelessCard(const WString& adapterName);
    std::string ApplyToCard(SimCard& card, const SimEvent& event);
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
    std::vector<std::string> otherDevices_;  // paths of the scenario's other active devices
    std::vector<ClockScheduler::Id> scheduled_;
    DWORD startTick_;
    mutable std::mutex mutex_;
    std::weak_ptr<SimProtocolDriver> driver_;
    const SimProtocolDriver* presentDriver_ = nullptr;
    HANDLE presentRegistration_ = 0;
    bool hostRegistering_ = false;
};
