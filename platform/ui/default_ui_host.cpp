#include "platform/ui/default_ui_host.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/core/clock.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"

namespace {

// Longest real-time nap of the real-clock loop, so that input from other threads (none in
// this model) and scheduler callbacks added meanwhile are not kept waiting long.
constexpr DWORD kMaxNapMs = 50;

void RunOnRealClock(Dialog& dialog) {
    while (!dialog.IsEnding()) {
        PumpMessages();
        if (dialog.IsEnding()) return;
        std::optional<DWORD> next = NextEventDue();
        DWORD now = GetTickCount();
        DWORD nap = next ? std::min(TicksUntil(*next, now), kMaxNapMs) : kMaxNapMs;
        std::this_thread::sleep_for(std::chrono::milliseconds(nap));
    }
}

void RunOnVirtualClock(Dialog& dialog, DWORD limitMs) {
    auto& clock = static_cast<VirtualClock&>(PlatformClock());
    const DWORD start = clock.Now();
    PumpMessages();
    while (!dialog.IsEnding()) {
        std::optional<DWORD> next = NextEventDue();
        if (!next) return;  // nothing left that could end it
        DWORD ahead = TicksUntil(*next, clock.Now());
        if (clock.Now() + ahead - start > limitMs) return;
        AdvanceVirtualClock(clock, ahead, [&dialog] { return dialog.IsEnding(); });
    }
}

}  // namespace

void DefaultUiHost::RunModalLoop(Dialog& dialog) {
    if (onModal) onModal(dialog);
    if (dialog.IsEnding()) return;
    if (PlatformClock().IsVirtual()) {
        RunOnVirtualClock(dialog, modalTimeLimitMs);
    } else {
        RunOnRealClock(dialog);
    }
}

int DefaultUiHost::ShowMessageBox(HWND, const std::string& text, const std::string& caption,
                                  UINT type) {
    boxes.push_back(Box{text, caption, type});
    return IDOK;
}

std::optional<std::string> DefaultUiHost::ChooseOpenFile(const OpenFileRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void DefaultUiHost::WaitCursorChanged(bool busy) { cursorChanges.push_back(busy); }
