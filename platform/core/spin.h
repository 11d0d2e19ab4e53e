// A short busy wait for a hand-off between threads that usually comes within microseconds:
// watching a flag costs less than sleeping on a condition and being woken.
#pragma once

#include <chrono>
#include <thread>

// Spins while `busy()` holds, at most about 50 microseconds; true when it stopped holding. On a
// single processor the other thread cannot run meanwhile, so there is no spinning at all.
template <typename Busy>
bool SpinWhile(Busy busy) {
    static const bool kOneProcessor = std::thread::hardware_concurrency() <= 1;
    if (kOneProcessor) return !busy();
    constexpr auto kLimit = std::chrono::microseconds(50);
    const auto until = std::chrono::steady_clock::now() + kLimit;
    for (;;) {
        for (int i = 0; i < 64; ++i) {
            if (!busy()) return true;
        }
        if (std::chrono::steady_clock::now() >= until) return false;
    }
}
