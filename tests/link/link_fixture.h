// Runs the driver library against the simulated driver, captures message boxes and offers a
// chooser window that records the combo-box messages it receives.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/adapter_handle.h"
#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "platform/core/device_manager.h"
#include "platform/core/window_message.h"
#include "sim/scenario.h"
#include "sim/sim_host.h"
#include "sim/sim_protocol_driver.h"
#include "support/message_capture.h"
#include "support/test_world.h"

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTestWorld();
        chooser = RegisterWindowProc([this](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == CB_ADDSTRING)
                entries.emplace_back(reinterpret_cast<const char*>(lParam));
            if (message == CB_SETCURSEL) selected = static_cast<int>(wParam);
            return LRESULT{0};
        });
    }
    void TearDown() override {
        UnregisterWindowProc(chooser);
        host.reset();
        ResetTestWorld();
    }

    // Adapters bound in this order; the names in `wired` do not answer the wireless OID.
    static Scenario WithAdapters(const std::vector<std::u16string>& names,
                                 const std::vector<std::u16string>& wired = {}) {
        Scenario scenario = Scenario::Default();
        scenario.adapters.clear();
        for (const auto& name : names) {
            AdapterSpec adapter;
            adapter.name = name;
            adapter.wireless = std::find(wired.begin(), wired.end(), name) == wired.end();
            scenario.adapters.push_back(adapter);
        }
        return scenario;
    }
    void Start(Scenario scenario = Scenario::Default()) {
        host = std::make_unique<SimHost>(std::move(scenario));
    }

    std::unique_ptr<SimHost> host;
    MessageCapture captured;
    std::vector<std::string>& messages = captured.texts;
    HWND chooser = 0;
    std::vector<std::string> entries;
    int selected = -1;
};
