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
#include "platform/core/clock.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_queue.h"
#include "platform/ui/resources.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window_manager.h"

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
        ClearTables();
        AddTestTemplates();
    }
    void TearDown() override {
        SetUiHost(nullptr);
        SetPlatformClock(nullptr);
        ClearTables();
    }

    static void ClearTables() {
        TimerTable::Instance().Clear();
        MessageQueue::Instance().Clear();
        ClockScheduler::Instance().Clear();
        Resources::Instance().Clear();
        WindowManager::Instance().SetMainWindow(nullptr);
    }

    static ControlTemplate Control(int id, ControlKind kind, std::string text, int x, int y,
                                   int cx = 40, int cy = 10, DWORD style = 0) {
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
    static void AddTemplate(int id, std::string caption, DWORD style,
                            std::vector<ControlTemplate> controls) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.caption = std::move(caption);
        dialog.cx = dialog.cy = 160;
        dialog.style = style;
        dialog.controls = std::move(controls);
        Resources::Instance().AddDialog(dialog);
    }

    // "Main Test": a labelled edit, buttons, a check box, a sorted combo box, a list view, a
    // progress bar, a hidden edit, a disabled button and a read-only edit; "Nested": an edit.
    static void AddTestTemplates() {
        std::vector<ControlTemplate> controls = {
            Control(IDC_STATIC, ControlKind::Static, "&Name:", 5, 5),
            Control(1002, ControlKind::Edit, "", 50, 5, 60),
            Control(1003, ControlKind::PushButton, "Open", 5, 20),
            Control(1004, ControlKind::CheckBox, "Loud", 50, 20),
            Control(1005, ControlKind::ComboBox, "", 5, 35, 60, 40, CBS_SORT),
            Control(1006, ControlKind::ListView, "", 5, 50, 100, 40, LVS_REPORT),
            Control(IDC_STATIC, ControlKind::Static, "Level", 5, 95),
            Control(1007, ControlKind::ProgressBar, "", 50, 95, 60),
            Control(1008, ControlKind::Edit, "secret", 5, 110),
            Control(1009, ControlKind::PushButton, "Never", 50, 110, 40, 10, WS_DISABLED),
            Control(1010, ControlKind::Edit, "fixed", 5, 125, 40, 10, ES_READONLY),
        };
        controls[4].items = {"beta", "alpha"};
        controls[8].visible = false;
        const DWORD popup = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        AddTemplate(kMainTemplate, "Main Test", popup, controls);
        AddTemplate(kNestedTemplate, "Nested", popup,
                    {Control(2001, ControlKind::Edit, "", 5, 5, 60)});
    }

    VirtualClock clock{0};
    std::ostringstream out;
    std::ostringstream err;
    HeadlessHost host{out};
};
