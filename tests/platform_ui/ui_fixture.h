// Shared set-up of the window-system tests: a virtual clock, the default host, clean tables,
// and small templates.
#pragma once

#include <gtest/gtest.h>

#include "platform/core/clock.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/message_queue.h"
#include "platform/ui/resources.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window_manager.h"

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPlatformClock(&clock);
        SetUiHost(&host);
        TimerTable::Instance().Clear();
        MessageQueue::Instance().Clear();
        ClockScheduler::Instance().Clear();
        Resources::Instance().Clear();
        WindowManager::Instance().SetMainWindow(nullptr);
    }
    void TearDown() override {
        SetUiHost(nullptr);
        SetPlatformClock(nullptr);
        TimerTable::Instance().Clear();
        MessageQueue::Instance().Clear();
        ClockScheduler::Instance().Clear();
        Resources::Instance().Clear();
    }

    static ControlTemplate Control(int id, ControlKind kind, std::string text = "", DWORD style = 0,
                                   int cx = 40, int cy = 12) {
        ControlTemplate control;
        control.id = id;
        control.kind = kind;
        control.text = std::move(text);
        control.style = style;
        control.cx = cx;
        control.cy = cy;
        return control;
    }

    static void AddTemplate(int id, std::string caption, std::vector<ControlTemplate> controls,
                            DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.caption = std::move(caption);
        dialog.cx = 140;
        dialog.cy = 140;
        dialog.style = style;
        dialog.controls = std::move(controls);
        Resources::Instance().AddDialog(std::move(dialog));
    }

    VirtualClock clock{1000};
    DefaultUiHost host;
};
