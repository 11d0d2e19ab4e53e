// The application tests: adapters by name, and a run whose hook gets the main dialog.
#pragma once

#include "platform/ui/message_loop.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/window_manager.h"
#include "support/app_world.h"

class AppTest : public AppWorld {
  protected:
    // Binds adapters of these names, in this order, and loads the driver.
    void StartDriver(std::initializer_list<const char16_t*> names) {
        for (const char16_t* name : names) scenario.adapters.emplace_back().name = name;
        AppWorld::StartDriver();
    }
    BOOL Run(const std::function<void(MainDialog&)>& inside) {
        return RunApp([this, &inside] { inside(*main); });
    }
};
