// The window system's tables emptied, and a window-system test on the virtual clock and the
// default host.
#pragma once

#include <gtest/gtest.h>

#include "platform/core/clock.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/message_queue.h"
#include "platform/ui/resources.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window_manager.h"

// Forgets every timer, posted message, clock job, registered resource and the main window.
inline void ClearUiTables() {
    TimerTable::Instance().Clear();
    MessageQueue::Instance().Clear();
    ClockScheduler::Instance().Clear();
    Resources::Instance().Clear();
    WindowManager::Instance().SetMainWindow(nullptr);
}

class UiWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPlatformClock(&clock);
        SetUiHost(&host);
        ClearUiTables();
    }
    void TearDown() override {
        SetUiHost(nullptr);
        SetPlatformClock(nullptr);
        ClearUiTables();
    }

    VirtualClock clock{1000};
    DefaultUiHost host;
};
