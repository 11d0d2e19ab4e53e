// The engineering pages in the whole application (engineering mode) on the simulated card and
// the virtual clock; a test acts on one page inside the main dialog's modal loop.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/ui_input.h"
#include "res/resource_ids.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"

class DiagnosticsTest : public ::testing::Test {
  protected:
    static constexpr int BBCR_TAB = 5, MCR_TAB = 6, EEPROM_TAB = 7;
    static constexpr DWORD FAILURE = 0xC0000001;

    void SetUp() override {
        SetPlatformClock(&clock);
        RegistryStore::Instance().Reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        SetUiHost(&ui);
        scenario.adapters.emplace_back().name = u"SDW1";
    }
    void TearDown() override {
        host.reset();
        theApp.SetEngineeringMode(false);
        SetUiHost(nullptr);
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        RegistryStore::Instance().Reset();
        SetPlatformClock(nullptr);
    }

    AdapterSpec& Desc() { return scenario.adapters[0]; }
    // Runs the utility with page `tab` in front; `inside` acts on it, then the utility ends.
    void Run(int tab, const std::function<void()>& inside) {
        host = std::make_unique<SimHost>(scenario);
        card = host->Card(u"SDW1");
        ui.onModal = [this, tab, &inside](Dialog& dialog) {
            main = dynamic_cast<MainDialog*>(&dialog);
            if (main == nullptr) return;
            ASSERT_TRUE(SelectTab(main->Sheet(), tab));
            page = main->Sheet().GetPage(tab);
            inside();
            if (!main->IsEnding()) CloseWindow(*main);
        };
        theApp.SetEngineeringMode(true);
        theApp.InitInstance();
    }

    void Type(int id, const std::string& text) { ASSERT_TRUE(TypeText(*page, id, text)); }
    void Click(int id) { ASSERT_TRUE(ClickControl(*page, id)); }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.boxes) texts.push_back(box.text);
        return texts;
    }
    // Every request of `oid` (at `address` when given) fails with an error status.
    void FailAt(DWORD oid, std::optional<DWORD> address) {
        FaultSpec fault;
        fault.oid = oid;
        fault.address = address;
        fault.value = FAILURE;
        card->AddFault(fault);
    }

    Scenario scenario;
    VirtualClock clock{1000};
    DefaultUiHost ui;
    std::unique_ptr<SimHost> host;
    SimCard* card = nullptr;
    MainDialog* main = nullptr;
    PropertyPage* page = nullptr;
};
