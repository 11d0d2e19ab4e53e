// The whole application on the simulated driver: a clean world on a virtual clock, the tests'
// UI host (message boxes and file requests recorded), and hooks that act inside the main
// dialog's modal loop and inside the other dialogs it opens.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/ui_input.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"
#include "support/test_world.h"

class AppWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPlatformClock(&clock);
        ResetTestWorld();
        SetUiHost(&ui);
    }
    void TearDown() override {
        host.reset();
        theApp.SetEngineeringMode(false);
        SetUiHost(nullptr);
        ResetTestWorld();
        SetPlatformClock(nullptr);
    }

    // Loads the driver on `scenario`, unloading it first as a restart would; `card` is the
    // first adapter's.
    void StartDriver() {
        host.reset();
        host = std::make_unique<SimHost>(scenario);
        card = scenario.adapters.empty() ? nullptr : host->Card(scenario.adapters[0].name.c_str());
    }

    // Runs the application (with --engineering when `engineering`). `inside` acts in the main
    // dialog's modal loop; unless it ended the dialog, the caption OK button ends it afterwards.
    BOOL RunApp(const std::function<void()>& inside) {
        ui.onModal = [this, &inside](Dialog& dialog) {
            auto* opened = dynamic_cast<MainDialog*>(&dialog);
            if (opened == nullptr) {
                if (onOtherModal) onOtherModal(dialog);
                return;
            }
            main = opened;
            ++mainLoops;
            inside();
            if (!main->IsEnding()) CloseWindow(*main);
        };
        theApp.SetEngineeringMode(engineering);
        BOOL result = theApp.InitInstance();
        theApp.SetEngineeringMode(false);
        main = nullptr;
        return result;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.boxes) texts.push_back(box.text);
        return texts;
    }

    Scenario scenario;
    bool engineering = false;
    // Acts in each modal dialog other than the main one.
    std::function<void(Dialog&)> onOtherModal;
    VirtualClock clock{1000};
    DefaultUiHost ui;
    std::unique_ptr<SimHost> host;
    SimCard* card = nullptr;
    MainDialog* main = nullptr;
    int mainLoops = 0;
};
