// The Site Survey and Statistics pages in the whole application on the simulated driver: one
// adapter associated with "home", no networks or traffic unless a test adds them.
#pragma once

#include "pages/c_processing_dialog.h"
#include "platform/ui/list_view.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window_manager.h"
#include "res/resource_ids.h"
#include "support/app_world.h"
#include "support/faults.h"

class PagesTest : public AppWorld {
  protected:
    static constexpr const char16_t* NAME = u"SDW1";
    static constexpr int STATISTICS_TAB = 1;
    static constexpr int SITE_SURVEY_TAB = 2;

    void SetUp() override {
        AppWorld::SetUp();
        AdapterSpec& desc = scenario.adapters.emplace_back();
        desc.name = NAME;
        desc.link.connected = true;
        desc.link.ssid = "home";
        onOtherModal = [this](Dialog& dialog) {
            auto* processing = dynamic_cast<CProcessingDialog*>(&dialog);
            if (processing == nullptr) return;
            ++processingRuns;
            if (onProcessing) onProcessing(*processing);
        };
    }

    AdapterSpec& Desc() { return scenario.adapters[0]; }
    NetworkSpec& AddNetwork(const std::string& ssid, BYTE last) {
        NetworkSpec& network = scenario.networks.emplace_back();
        network.ssid = ssid;
        network.bssid = {0x02, 0xAB, 0xCD, 0xEF, 0x00, last};
        return network;
    }

    // Loads the driver and runs the application; `inside` acts in the main dialog's loop.
    void Run(const std::function<void()>& inside) {
        StartDriver();
        RunApp(inside);
    }

    void ShowTab(int index) { ASSERT_TRUE(SelectTab(*FindSheet(*main), index)); }
    void Wait(DWORD ms) { AdvanceVirtualClock(clock, ms); }

    // Acts at the start of each processing dialog's loop.
    std::function<void(CProcessingDialog&)> onProcessing;
    int processingRuns = 0;
};
