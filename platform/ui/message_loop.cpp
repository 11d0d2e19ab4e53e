#include "platform/ui/message_loop.h"

#include <algorithm>

#include "platform/ui/message_queue.h"
#include "platform/ui/timer_table.h"

namespace {

// Enough rounds for messages that post further messages, without looping for ever on a
// window that keeps posting to itself.
constexpr int kMaxRounds = 64;
constexpr DWORD kMaxStepMs = 0x7FFFFFFF;

}  // namespace

int DeliverDueTimers() { return TimerTable::Instance().DeliverDue(); }

std::optional<DWORD> NextTimerDue() { return TimerTable::Instance().NextDue(); }

std::optional<DWORD> NextEventDue() {
    std::optional<DWORD> timer = NextTimerDue();
    std::optional<DWORD> scheduled = ClockScheduler::Instance().NextDue();
    if (!timer) return scheduled;
    if (!scheduled) return timer;
    return EarlierTick(*timer, *scheduled);
}

int PumpMessages() {
    int total = 0;
    for (int round = 0; round < kMaxRounds; ++round) {
        std::optional<DWORD> scheduled = ClockScheduler::Instance().NextDue();
        bool ranScheduled = scheduled && TickReached(GetTickCount(), *scheduled);
        if (ranScheduled) ClockScheduler::Instance().RunDue();
        int delivered = MessageQueue::Instance().DeliverPosted();
        delivered += DeliverDueTimers();
        delivered += MessageQueue::Instance().DeliverPaints();
        total += delivered;
        if (delivered == 0 && !ranScheduled) break;
    }
    return total;
}

DWORD AdvanceVirtualClock(VirtualClock& clock, DWORD ms, const std::function<bool()>& stop) {
    DWORD left = ms;
    PumpMessages();
    if (stop && stop()) return left;
    while (left > 0) {
        // Never more than half the tick range at once, so due times stay comparable.
        DWORD step = std::min(left, kMaxStepMs);
        if (std::optional<DWORD> next = NextEventDue()) {
            step = std::min(step, TicksUntil(*next, clock.Now()));
        }
        clock.Advance(step);
        left -= step;
        PumpMessages();
        if (left > 0 && stop && stop()) return left;
    }
    return 0;
}
