#include "frontend/fltk/loop_timing.h"

#include <algorithm>

#include "platform/core/clock.h"

DWORD WaitBeforeNextEvent(std::optional<DWORD> next, DWORD now, DWORD capMs) {
    if (!next) return capMs;
    return std::min(TicksUntil(*next, now), capMs);
}
