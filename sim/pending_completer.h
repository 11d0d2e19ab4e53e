// The driver's worker thread: completes pending requests a short real-time delay after they
// were submitted (the caller's thread is blocked in its wait meanwhile, so the virtual clock
// cannot move).
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/core/win_types.h"

class PendingCompleter {
  public:
    explicit PendingCompleter(DWORD delayMs) : delay_(delayMs) {}
    ~PendingCompleter();
    PendingCompleter(const PendingCompleter&) = delete;
    PendingCompleter& operator=(const PendingCompleter&) = delete;

    // Queues a completion; false once stopped.
    bool Post(std::function<void()> completion);
    // Runs every queued completion at once and joins the worker.
    void Stop();
    std::size_t Queued() const;

  private:
    using Clock = std::chrono::steady_clock;
    void Run();

    std::chrono::milliseconds delay_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<Clock::time_point, std::function<void()>>> queue_;
    std::thread worker_;
    bool stopping_ = false;
};
