// The pages in the whole application on the simulated driver: one adapter associated with
// "home", and hooks that act inside the main dialog's modal loop and inside the dialogs it
// opens. What a golden script sees is checked by the st_* scripts of tests/headless/scripts;
// these tests keep what it cannot: colours, shell requests, registry values, dialog modes that
// no button opens, pages without an adapter.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/core/shell.h"
#include "platform/ui/combo_box.h"
#include "res/resource_ids.h"
#include "support/app_world.h"

class StatusTest : public AppWorld {
  protected:
    void SetUp() override {
        AppWorld::SetUp();
        ClearShellRequests();
        scenario = HomeScenario(u"SDW1");
    }
    void TearDown() override {
        ClearShellRequests();
        AppWorld::TearDown();
    }

    // Loads the driver (again, as a restart would) and runs the application; `inside` acts in
    // the main dialog's modal loop with the Status page in front.
    void Run(const std::function<void()>& inside) {
        StartDriver();
        ASSERT_NE(card, nullptr);
        RunApp(inside);
    }
    // Activates page `tab` anew.
    void Show(int tab) {
        ASSERT_TRUE(SelectTab(main->Sheet(), tab == 0 ? 1 : 0));
        ASSERT_TRUE(SelectTab(main->Sheet(), tab));
    }
    static int Selection(Window& window, int id) {
        return dynamic_cast<ComboBox*>(FindControl(window, id))->GetCurSel();
    }
    static bool On(Window& window, int id) { return FindControl(window, id)->IsWindowEnabled(); }
    // The driver's registry parameters.
    static std::optional<std::string> Stored(const std::string& name) {
        return RegistryStore::Instance().GetString("Comm\\KESTREL1\\Parms", name);
    }
    static void Store(const std::string& name, const std::string& value) {
        RegistryStore::Instance().SetString("Comm\\KESTREL1\\Parms", name, value);
    }
};
