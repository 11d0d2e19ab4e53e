#include "platform/ui/message_loop.h"

#include <algorithm>

#include "platform/ui/message_queue.h"
#include "platform/ui/timer_table.h"

namespace {

// Enough rounds for messages that post further messages, without looping for ever on a
// window that keeps posting to itself.
constexpr int kMaxRounds = 64;

}  // namespace

int DeliverDueTimers() { return TimerTable::Instance().DeliverDue(); }

std::optional<DWORD> NextTimerDue() { return TimerTable::Instance().NextDue(); }

std::optional<DWORD> NextEventDue() {
    std::optional<DWORD> timer = NextTimerDue();
    std::optional<DWORD> scheduled = ClockScheduler::Instance().NextDue();
    if (!timer) return scheduled;
    if (!scheduled) return timer;
    return std::min(*timer, *scheduled);
}

int PumpMessages() {
    int total = 0;
    for (int round = 0; round < kMaxRounds; ++round) {
        std::optional<DWORD> scheduled = ClockScheduler::Instance().NextDue();
        bool ranScheduled = scheduled && *scheduled <= GetTickCount();
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
    const DWORD target = clock.Now() + ms;
    PumpMessages();
    if (stop && stop()) return ms;
    for (;;) {
        std::optional<DWORD> next = NextEventDue();
        DWORD step = (next && *next < target) ? std::max(*next, clock.Now()) : target;
        clock.Set(step);
        PumpMessages();
        if (step >= target) return 0;
        if (stop && stop()) return target - step;
    }
}
