// Window timers on the platform clock. A timer is due `period` ms after it was set or last
// fired; ticks missed while nobody pumped are coalesced into one, as WM_TIMER is.
#pragma once

#include <map>
#include <optional>
#include <utility>

#include "platform/ui/window_constants.h"

class TimerTable {
  public:
    static TimerTable& Instance();

    // Sets or restarts the timer (hwnd, id); the period is at least USER_TIMER_MINIMUM.
    void Set(HWND hwnd, UINT_PTR id, UINT periodMs);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);
    bool IsSet(HWND hwnd, UINT_PTR id) const;
    std::optional<UINT> Period(HWND hwnd, UINT_PTR id) const;
    // The earliest due tick of all timers.
    std::optional<DWORD> NextDue() const;
    // Sends WM_TIMER for every timer due at the current tick, earliest first (equal ticks in
    // the order they were set); each timer once per call. Returns how many were sent.
    int DeliverDue();
    void Clear();

  private:
    struct Timer {
        UINT period = 0;
        DWORD due = 0;
        unsigned long long sequence = 0;
    };
    std::optional<std::pair<HWND, UINT_PTR>> EarliestDue(DWORD now) const;

    std::map<std::pair<HWND, UINT_PTR>, Timer> timers_;
    unsigned long long sequence_ = 0;
};
