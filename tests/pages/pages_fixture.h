// The Site Survey and Statistics pages in the whole application on the simulated driver and
// the virtual clock: one adapter associated with "home", no networks or traffic unless a test
// adds them, and a hook that acts inside the main dialog's modal loop.
#pragma once

#include "app/app_fixture.h"
#include "pages/c_processing_dialog.h"
#include "platform/ui/list_view.h"
#include "platform/ui/timer_table.h"
#include "res/resource_ids.h"
#include "sim/sim_card.h"

class PagesTest : public AppTest {
  protected:
    static constexpr const char16_t* NAME = u"SDW1";
    static constexpr int STATISTICS_TAB = 1;
    static constexpr int SITE_SURVEY_TAB = 2;

    void SetUp() override {
        AppTest::SetUp();
        AdapterSpec& desc = scenario.adapters.emplace_back();
        desc.name = NAME;
        desc.link.connected = true;
        desc.link.ssid = "home";
    }

    AdapterSpec& Desc() { return scenario.adapters[0]; }
    NetworkSpec& AddNetwork(const std::string& ssid, BYTE last) {
        NetworkSpec& network = scenario.networks.emplace_back();
        network.ssid = ssid;
        network.bssid = {0x02, 0xAB, 0xCD, 0xEF, 0x00, last};
        return network;
    }

    // Runs the application; `inside` acts in the main dialog's modal loop, then the caption OK
    // button ends it. `onProcessing` acts at the start of each processing dialog's loop.
    void Run(const std::function<void()>& inside) {
        host = std::make_unique<SimHost>(scenario);
        card = host->Card(NAME);
        ASSERT_NE(card, nullptr);
        ui.onModal = [this, &inside](Dialog& dialog) {
            if (auto* processing = dynamic_cast<CProcessingDialog*>(&dialog)) {
                ++processingRuns;
                if (onProcessing) onProcessing(*processing);
                return;
            }
            main = dynamic_cast<MainDialog*>(&dialog);
            if (main == nullptr) return;
            inside();
            if (!main->IsEnding()) CloseWindow(*main);
        };
        theApp.InitInstance();
        main = nullptr;
    }

    void ShowTab(int index) { ASSERT_TRUE(SelectTab(*FindSheet(*main), index)); }
    void Wait(DWORD ms) { AdvanceVirtualClock(clock, ms); }

    Scenario scenario;
    SimCard* card = nullptr;
    MainDialog* main = nullptr;
    std::function<void(CProcessingDialog&)> onProcessing;
    int processingRuns = 0;
};
