// The Status page in the whole application on the simulated driver and the virtual clock: one
// adapter associated with "home", the IP helper's list as the test declares it (the card lists
// no address of its own), and hooks that act inside the main dialog's modal loop, with time
// counted from the page's activation, and inside the dialogs it opens.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "adapter/oid_codes.h"
#include "platform/core/ip_helper.h"
#include "platform/core/shell.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/timer_table.h"
#include "res/resource_ids.h"
#include "support/app_world.h"
#include "support/faults.h"

class StatusTest : public AppWorld {
  protected:
    static constexpr const char16_t* NAME = u"SDW1";
    static constexpr const char* NAME_TEXT = "SDW1";
    static constexpr const char* MASK = "255.255.255.0";
    static constexpr MacAddress HOME_AP = kHomeAp;
    static constexpr MacAddress OFFICE_AP{0x00, 0x66, 0x77, 0x88, 0x99, 0xAA};
    static constexpr const char* HOME_BSSID = "00-11-22-33-44-55";
    static constexpr const char* OFFICE_BSSID = "00-66-77-88-99-AA";

    void SetUp() override {
        AppWorld::SetUp();
        ClearShellRequests();
        scenario = MakeScenario();
    }
    void TearDown() override {
        ClearShellRequests();
        AppWorld::TearDown();
    }

    static Scenario MakeScenario() {
        Scenario world = HomeScenario(NAME);
        world.adapters[0].ipAddress = "";  // the IP helper lists only what a test declares
        return world;
    }
    AdapterSpec& Desc() { return scenario.adapters[0]; }

    // Loads the driver (again, as a restart would) and runs the application; `inside` acts in
    // the main dialog's modal loop with the Status page in front.
    void Run(const std::function<void()>& inside) {
        StartDriver();
        ASSERT_NE(card, nullptr);
        for (const auto& [name, ip] : addresses) SetAdapterAddress(name, ip, MASK);
        RunApp([this, &inside] {
            page = &main->StatusPage();
            activatedAt = GetTickCount();
            inside();
        });
        page = nullptr;
    }

    // Moves the virtual clock to `ms` after the Status page was activated.
    void At(DWORD ms) {
        DWORD now = GetTickCount() - activatedAt;
        ASSERT_GE(ms, now);
        AdvanceVirtualClock(clock, ms - now);
    }

    std::string Text(int id) const { return page->GetDlgItemText(id); }
    int MeterPosition(int id) const { return FindControl(*page, id)->Describe().position; }
    bool TimerRuns(UINT_PTR id) const { return TimerTable::Instance().IsSet(page->Handle(), id); }
    // Queries of `oid` the card received.
    int Queries(DWORD oid) const { return static_cast<int>(Received(*card, oid, 0).size()); }
    void SetRegistrySsid(const std::string& ssid) {
        main->Adapter()->WriteRegistryString("Ssid", ssid, 0);
    }
    // The driver's registry parameters.
    static std::optional<std::string> Stored(const std::string& name) {
        return RegistryStore::Instance().GetString("Comm\\KESTREL1\\Parms", name);
    }
    static void Store(const std::string& name, const std::string& value) {
        RegistryStore::Instance().SetString("Comm\\KESTREL1\\Parms", name, value);
    }
    // The link goes, the card reporting `scanState`.
    void DropLink(DWORD scanState = 0) {
        card->WithCard([&](CardModel& m) { m.Disassociate(scanState, GetTickCount()); });
    }

    // The IP helper's list: adapter name and address.
    std::vector<std::pair<std::string, std::string>> addresses;
    CConfig* page = nullptr;
    DWORD activatedAt = 0;
};
