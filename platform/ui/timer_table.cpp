#include "platform/ui/timer_table.h"

#include <algorithm>

#include "platform/core/clock.h"

TimerTable& TimerTable::Instance() {
    static TimerTable table;
    return table;
}

void TimerTable::Set(HWND hwnd, UINT_PTR id, UINT periodMs) {
    UINT period = std::clamp(periodMs, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    timers_[{hwnd, id}] = Timer{period, GetTickCount() + period, ++sequence_};
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) { return timers_.erase({hwnd, id}) != 0; }

void TimerTable::KillAll(HWND hwnd) {
    std::erase_if(timers_, [hwnd](const auto& entry) { return entry.first.first == hwnd; });
}

bool TimerTable::IsSet(HWND hwnd, UINT_PTR id) const { return timers_.count({hwnd, id}) != 0; }

std::optional<UINT> TimerTable::Period(HWND hwnd, UINT_PTR id) const {
    auto it = timers_.find({hwnd, id});
    if (it == timers_.end()) return std::nullopt;
    return it->second.period;
}

std::optional<DWORD> TimerTable::NextDue() const {
    std::optional<DWORD> next;
    for (const auto& [key, timer] : timers_) {
        next = next ? EarlierTick(*next, timer.due) : timer.due;
    }
    return next;
}

std::optional<std::pair<HWND, UINT_PTR>> TimerTable::EarliestDue(DWORD now) const {
    const std::pair<const std::pair<HWND, UINT_PTR>, Timer>* best = nullptr;
    for (const auto& entry : timers_) {
        const Timer& timer = entry.second;
        if (!TickReached(now, timer.due)) continue;
        if (best == nullptr || TickBefore(timer.due, best->second.due) ||
            (timer.due == best->second.due && timer.sequence < best->second.sequence)) {
            best = &entry;
        }
    }
    if (best == nullptr) return std::nullopt;
    return best->first;
}

int TimerTable::DeliverDue() {
    const DWORD now = GetTickCount();
    int delivered = 0;
    while (auto key = EarliestDue(now)) {
        Timer& timer = timers_[*key];
        // Next tick one period after this one; ticks missed meanwhile are coalesced.
        timer.due += timer.period;
        if (TickReached(now, timer.due)) timer.due = now + timer.period;
        ::SendMessage(key->first, WM_TIMER, key->second, 0);
        ++delivered;
    }
    return delivered;
}

void TimerTable::Clear() {
    timers_.clear();
    sequence_ = 0;
}
