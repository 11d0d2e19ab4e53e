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
    static ControlTemplate Control(int id, ControlKind kind, std::string text, int x, int y, int cx,
                                   int cy, DWORD style = 0) {
        ControlTemplate control;
        control.id = id;
        control.kind = kind;
        control.text = std::move(text);
        control.x = x;
        control.y = y;
        control.cx = cx;
        control.cy = cy;
        control.style = style;
        return control;
    }

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

    // "Main Test": a labelled edit, buttons, a check box, a sorted combo box, a list view, a
    // progress bar, a hidden edit, a disabled button and a read-only edit; "Nested": an edit.
    static void AddTestTemplates() {
        std::vector<ControlTemplate> controls = {
            Control(IDC_STATIC, ControlKind::Static, "&Name:", 5, 5, 40, 10),
            Control(1002, ControlKind::Edit, "", 50, 5, 60, 10),
            Control(1003, ControlKind::PushButton, "Open", 5, 20, 40, 10),
            Control(1004, ControlKind::CheckBox, "Loud", 50, 20, 40, 10),
            Control(1005, ControlKind::ComboBox, "", 5, 35, 60, 40, CBS_SORT),
            Control(1006, ControlKind::ListView, "", 5, 50, 100, 40, LVS_REPORT),
            Control(IDC_STATIC, ControlKind::Static, "Level", 5, 95, 40, 10),
            Control(1007, ControlKind::ProgressBar, "", 50, 95, 60, 10),
            Control(1008, ControlKind::Edit, "secret", 5, 110, 40, 10),
            Control(1009, ControlKind::PushButton, "Never", 50, 110, 40, 10, WS_DISABLED),
            Control(1010, ControlKind::Edit, "fixed", 5, 125, 40, 10, ES_READONLY),
        };
        controls[4].items = {"beta", "alpha"};
        controls[8].visible = false;
        const DWORD popup = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        Resources::Instance().AddDialog(
            {kMainTemplate, "Main Test", 160, 160, "System", 8, popup, 0, std::move(controls)});
        std::vector<ControlTemplate> nested = {Control(2001, ControlKind::Edit, "", 5, 5, 60, 10)};
        Resources::Instance().AddDialog(
            {kNestedTemplate, "Nested", 160, 160, "System", 8, popup, 0, std::move(nested)});
    }

    VirtualClock clock{0};
    std::ostringstream out;
    std::ostringstream err;
    HeadlessHost host{out};
};
