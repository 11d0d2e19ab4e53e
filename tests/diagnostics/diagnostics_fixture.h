// The engineering pages in the whole application on the simulated card and the virtual clock,
// started in the engineering mode; a test acts inside the main dialog's modal loop on one of
// the pages, and message boxes and open-file answers go through the tests' host.
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
    static constexpr const char16_t* NAME = u"SDW1";
    // Sheet tabs of the engineering pages.
    static constexpr int BBCR_TAB = 5;
    static constexpr int MCR_TAB = 6;
    static constexpr int EEPROM_TAB = 7;
    static constexpr DWORD FAILURE = 0xC0000001;

    void SetUp() override {
        SetPlatformClock(&clock);
        RegistryStore::Instance().Reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        SetUiHost(&ui);
        scenario.adapters.emplace_back().name = NAME;
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
        card = host->Card(NAME);
        ASSERT_NE(card, nullptr);
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
        main = nullptr;
        page = nullptr;
    }

    void Type(int id, const std::string& text) { ASSERT_TRUE(TypeText(*page, id, text)); }
    void Click(int id) { ASSERT_TRUE(ClickControl(*page, id)); }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    int FirstLine(int id) const { return FindControl(*page, id)->Describe().firstVisibleLine; }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.boxes) texts.push_back(box.text);
        return texts;
    }
    // Every request of `oid` at `address` is answered with a failure status.
    void FailAt(DWORD oid, DWORD address) {
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
