#include "frontend/fltk/loop_timing.h"

#include <algorithm>
#include <cstdint>

DWORD WaitBeforeNextEvent(std::optional<DWORD> next, DWORD now, DWORD capMs) {
    if (!next) return capMs;
    // The tick count wraps after 49.7 days; the difference still says which comes first.
    const auto ahead = static_cast<std::int32_t>(*next - now);
    if (ahead <= 0) return 0;
    return std::min(static_cast<DWORD>(ahead), capMs);
}
