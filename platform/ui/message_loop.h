// The message loop's steps, for the front ends' loops and for tests.
//
// Everything runs on the GUI thread. A loop turns like this: run the clock's other due
// callbacks (ClockScheduler), deliver posted messages, due timers, then paints.
#pragma once

#include <functional>
#include <optional>

#include "platform/core/clock.h"
#include "platform/ui/window_constants.h"

// Delivers what is due now: scheduler callbacks, posted messages, timers, paints. Repeats
// while something was delivered (bounded); returns the number of deliveries.
int PumpMessages();
// Sends WM_TIMER for the timers due now.
int DeliverDueTimers();
// The tick of the next window timer.
std::optional<DWORD> NextTimerDue();
// The earlier of the next window timer and the next scheduler callback.
std::optional<DWORD> NextEventDue();

// Moves the virtual clock forward by `ms`, stopping at every timer or scheduler tick on the
// way to deliver what is due then, so that everything happens at its own time and in order.
// Returns early when `stop` (checked after each delivery) says so; the result is the time left
// over (0 when the whole span was used).
DWORD AdvanceVirtualClock(VirtualClock& clock, DWORD ms, const std::function<bool()>& stop = {});
