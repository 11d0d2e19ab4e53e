// The application tests: adapters by name and MAC, and a run whose hook gets the main dialog.
#pragma once

#include "platform/ui/message_loop.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/window_manager.h"
#include "support/app_world.h"

class AppTest : public AppWorld {
  protected:
    static constexpr MacAddress MAC_1{0x00, 0x0A, 0x0B, 0x00, 0x00, 0x01};
    static constexpr MacAddress MAC_2{0x00, 0x0A, 0x0B, 0x00, 0x00, 0x02};

    static AdapterSpec Adapter(const char16_t* name, MacAddress mac) {
        AdapterSpec desc;
        desc.name = name;
        desc.mac = mac;
        return desc;
    }
    void StartDriver(std::vector<AdapterSpec> adapters) {
        scenario.adapters = std::move(adapters);
        AppWorld::StartDriver();
    }
    BOOL Run(const std::function<void(MainDialog&)>& inside) {
        return RunApp([this, &inside] { inside(*main); });
    }
};
