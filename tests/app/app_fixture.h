// The whole application on the simulated driver: a virtual clock, a fresh registry and device
// manager, the tests' UI host (message boxes recorded), and a hook that acts inside the main
// dialog's modal loop.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"
#include "sim/sim_host.h"
#include "support/test_world.h"

class AppTest : public ::testing::Test {
  protected:
    static constexpr MacAddress MAC_1{0x00, 0x0A, 0x0B, 0x00, 0x00, 0x01};
    static constexpr MacAddress MAC_2{0x00, 0x0A, 0x0B, 0x00, 0x00, 0x02};

    void SetUp() override {
        SetPlatformClock(&clock);
        ResetTestWorld();
        SetUiHost(&ui);
    }
    void TearDown() override {
        host.reset();
        SetUiHost(nullptr);
        ResetTestWorld();
        SetPlatformClock(nullptr);
    }

    static AdapterSpec Adapter(const char16_t* name, MacAddress mac) {
        AdapterSpec desc;
        desc.name = name;
        desc.mac = mac;
        return desc;
    }
    void StartDriver(std::vector<AdapterSpec> adapters) {
        Scenario scenario;
        scenario.adapters = std::move(adapters);
        host = std::make_unique<SimHost>(scenario);
    }
    // Runs the application; `inside` acts in the main dialog's modal loop and, unless it ended
    // the dialog, the caption OK button ends it afterwards.
    BOOL Run(const std::function<void(MainDialog&)>& inside) {
        ui.onModal = [this, &inside](Dialog& dialog) {
            auto* main = dynamic_cast<MainDialog*>(&dialog);
            if (main == nullptr) return;
            ++mainLoops;
            inside(*main);
            if (!main->IsEnding()) CloseWindow(*main);
        };
        return theApp.InitInstance();
    }

    static std::string MacText(MainDialog& main) {
        std::string text;
        main.Adapter()->GetMacAddress(text);
        return text;
    }

    VirtualClock clock{1000};
    DefaultUiHost ui;
    std::unique_ptr<SimHost> host;
    int mainLoops = 0;
};
