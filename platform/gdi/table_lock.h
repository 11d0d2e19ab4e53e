// The lock of the drawing-object table. Every drawing call takes it, hundreds of times per
// paint, and it is almost never contended: taking a free lock is one compare-and-swap and
// letting it go one exchange, with no library call. A thread that finds it taken sleeps on the
// lock word until the holder lets go. Not recursive: a holder must not take it again.
#pragma once

#include <atomic>

class TableLock {
  public:
    void lock() {
        int expected = kFree;
        if (!state_.compare_exchange_strong(expected, kHeld, std::memory_order_acquire)) {
            LockContended();
        }
    }

    void unlock() {
        if (state_.exchange(kFree, std::memory_order_release) == kHeldWithWaiters) {
            state_.notify_one();
        }
    }

  private:
    static constexpr int kFree = 0;
    static constexpr int kHeld = 1;
    static constexpr int kHeldWithWaiters = 2;

    // Marks the lock as waited for, so that the holder wakes a sleeper when it lets go, and
    // sleeps until it is free. A thread woken this way takes it marked as waited for: another
    // sleeper may remain.
    void LockContended() {
        while (state_.exchange(kHeldWithWaiters, std::memory_order_acquire) != kFree) {
            state_.wait(kHeldWithWaiters, std::memory_order_relaxed);
        }
    }

    std::atomic<int> state_{kFree};
};
