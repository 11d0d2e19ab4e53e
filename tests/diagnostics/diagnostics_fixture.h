// The engineering pages in the whole application (engineering mode) on the simulated card;
// a test acts on one page inside the main dialog's modal loop.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "res/resource_ids.h"
#include "support/app_world.h"
#include "support/faults.h"

class DiagnosticsTest : public AppWorld {
  protected:
    static constexpr int BBCR_TAB = 5, MCR_TAB = 6, EEPROM_TAB = 7;
    static constexpr DWORD FAILURE = 0xC0000001;

    void SetUp() override {
        AppWorld::SetUp();
        scenario.adapters.emplace_back().name = u"SDW1";
        engineering = true;
    }

    AdapterSpec& Desc() { return scenario.adapters[0]; }
    // Runs the utility with page `tab` in front; `inside` acts on it, then the utility ends.
    void Run(int tab, const std::function<void()>& inside) {
        StartDriver();
        RunApp([this, tab, &inside] {
            ASSERT_TRUE(SelectTab(main->Sheet(), tab));
            page = main->Sheet().GetPage(tab);
            inside();
        });
    }

    void Type(int id, const std::string& text) { ASSERT_TRUE(TypeText(*page, id, text)); }
    void Click(int id) { ASSERT_TRUE(ClickControl(*page, id)); }
    std::string Text(int id) const { return page->GetDlgItemText(id); }
    // Every request of `oid` (at `address` when given) fails with an error status.
    void FailAt(DWORD oid, std::optional<DWORD> address) {
        card->AddFault(Refusal(oid, RequestMatch::Any, FAILURE, address));
    }

    PropertyPage* page = nullptr;
};
