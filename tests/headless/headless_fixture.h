// Shared set-up of the headless front end's tests: a virtual clock, the headless host writing
// into strings, clean window-system tables, and a small test dialog whose behaviour a test
// plugs in (commands, timers, initialisation).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/headless/headless_host.h"
#include "platform/ui/dialog.h"
#include "support/ui_world.h"

// Template ids of the test dialogs.
constexpr int kMainTemplate = 900;
constexpr int kNestedTemplate = 901;

class TestDialog : public Dialog {
  public:
    explicit TestDialog(int templateId) : Dialog(templateId) {}

    std::function<void(TestDialog&)> onInit;
    std::map<int, std::function<void(TestDialog&)>> onClick;
    std::function<void(TestDialog&, UINT_PTR)> onTimer;

    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        if (onInit) onInit(*this);
        return TRUE;
    }

  protected:
    bool OnCommand(int id, int code, HWND control) override {
        auto handler = onClick.find(id);
        if (code == BN_CLICKED && handler != onClick.end()) {
            handler->second(*this);
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnTimer(UINT_PTR id) override {
        if (onTimer) onTimer(*this, id);
    }
};

class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPlatformClock(&clock);
        SetUiHost(&host);
        ClearUiTables();
        AddTestTemplates();
    }
    void TearDown() override {
        SetUiHost(nullptr);
        SetPlatformClock(nullptr);
        ClearUiTables();
    }

    // "Main Test": a labelled edit, a button, a check box, a sorted combo box, a list view, a
    // progress bar, a hidden edit and a read-only edit; "Nested": an edit.
    static void AddTestTemplates() {
        // id, kind, text, x, y, cx, cy, style, extended style, visible, items, bitmap
        using K = ControlKind;
        const std::vector<ControlTemplate> controls = {
            {IDC_STATIC, K::Static, "&Name:", 5, 5, 40, 10, 0, 0, true, {}, 0},
            {1002, K::Edit, "", 50, 5, 60, 10, 0, 0, true, {}, 0},
            {1003, K::PushButton, "Open", 5, 20, 40, 10, 0, 0, true, {}, 0},
            {1004, K::CheckBox, "Loud", 50, 20, 40, 10, 0, 0, true, {}, 0},
            {1005, K::ComboBox, "", 5, 35, 60, 40, CBS_SORT, 0, true, {"beta", "alpha"}, 0},
            {1006, K::ListView, "", 5, 50, 100, 40, LVS_REPORT, 0, true, {}, 0},
            {IDC_STATIC, K::Static, "Level", 5, 95, 40, 10, 0, 0, true, {}, 0},
            {1007, K::ProgressBar, "", 50, 95, 60, 10, 0, 0, true, {}, 0},
            {1008, K::Edit, "secret", 5, 110, 40, 10, 0, 0, false, {}, 0},
            {1010, K::Edit, "fixed", 5, 125, 40, 10, ES_READONLY, 0, true, {}, 0},
        };
        const ControlTemplate nested{2001, K::Edit, "", 5, 5, 60, 10, 0, 0, true, {}, 0};
        const DWORD popup = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        Resources::Instance().AddDialog(
            {kMainTemplate, "Main Test", 160, 160, "System", 8, popup, 0, controls});
        Resources::Instance().AddDialog(
            {kNestedTemplate, "Nested", 160, 160, "System", 8, popup, 0, {nested}});
    }

    VirtualClock clock{0};
    std::ostringstream out;
    std::ostringstream err;
    HeadlessHost host{out};
};
