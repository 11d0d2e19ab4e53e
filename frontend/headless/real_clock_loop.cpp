#include "frontend/headless/real_clock_loop.h"

#include <algorithm>

#include "frontend/headless/stop_signal.h"
#include "frontend/headless/text_view.h"
#include "platform/core/clock.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

void RealClockLoop::RunModalLoop(Dialog& dialog) {
    while (!dialog.IsEnding()) {
        PumpMessages();
        view_.Refresh();
        if (dialog.IsEnding()) return;
        if (stop_.Requested()) {
            if (&dialog == WindowManager::Instance().MainWindow()) {
                CloseWindow(dialog);
            } else {
                PressEscape(dialog);
            }
            PumpMessages();
            return;  // a dialog that did not end is cancelled
        }
        stop_.WaitFor(SleepTime());
    }
}

int RealClockLoop::SleepTime() const {
    std::optional<DWORD> next = NextEventDue();
    if (!next) return kMaxSleepMs;
    return static_cast<int>(std::min<DWORD>(TicksUntil(*next, GetTickCount()), kMaxSleepMs));
}
