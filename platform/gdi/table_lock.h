// The lock of the drawing-object table. Every drawing call takes it, hundreds of times per
// paint, and it is almost never contended: taking a free lock is one compare-and-swap and
// letting it go a plain store, with no library call and no locked instruction on the way out.
// A thread that finds it taken yields the processor until it is free. Not recursive: a holder
// must not take it again.
#pragma once

#include <atomic>
#include <thread>

class TableLock {
  public:
    void lock() {
        if (!TryLock()) LockContended();
    }

    void unlock() { held_.store(false, std::memory_order_release); }

  private:
    bool TryLock() {
        bool expected = false;
        return held_.compare_exchange_strong(expected, true, std::memory_order_acquire);
    }

    // Watches the lock with plain reads, which keep its cache line shared, and tries again
    // only when it reads free.
    void LockContended() {
        do {
            while (held_.load(std::memory_order_relaxed)) std::this_thread::yield();
        } while (!TryLock());
    }

    std::atomic<bool> held_{false};
};
