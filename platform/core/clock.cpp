#include "platform/core/clock.h"

#include <chrono>

namespace {

long long SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Clock* g_clock = nullptr;

}  // namespace

RealClock::RealClock() : startMs_(SteadyMs()) {}

DWORD RealClock::Now() const { return static_cast<DWORD>(SteadyMs() - startMs_); }

DWORD VirtualClock::Now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

void VirtualClock::Advance(DWORD ms) {
    std::lock_guard lock(mutex_);
    now_ += ms;
}

void VirtualClock::Set(DWORD tick) {
    std::lock_guard lock(mutex_);
    now_ = tick;
}

Clock& PlatformClock() {
    static RealClock real;
    return g_clock != nullptr ? *g_clock : real;
}

void SetPlatformClock(Clock* clock) { g_clock = clock; }

DWORD GetTickCount() { return PlatformClock().Now(); }

ClockScheduler& ClockScheduler::Instance() {
    static ClockScheduler scheduler;
    return scheduler;
}

std::uint64_t ClockScheduler::Now64() const {
    const DWORD tick = GetTickCount();
    // A clock set back (a test restarting its virtual clock) moves the extension back too.
    now64_ += static_cast<std::int64_t>(static_cast<std::int32_t>(tick - lastTick_));
    lastTick_ = tick;
    return now64_;
}

ClockScheduler::Id ClockScheduler::Schedule(DWORD dueTick, std::function<void()> callback) {
    std::lock_guard lock(mutex_);
    Id id = nextId_++;
    const std::uint64_t now = Now64();
    due_.emplace(now + (dueTick - lastTick_), std::make_pair(id, std::move(callback)));
    return id;
}

void ClockScheduler::Cancel(Id id) {
    std::lock_guard lock(mutex_);
    for (auto it = due_.begin(); it != due_.end(); ++it) {
        if (it->second.first == id) {
            due_.erase(it);
            return;
        }
    }
}

std::optional<DWORD> ClockScheduler::NextDue() const {
    std::lock_guard lock(mutex_);
    if (due_.empty()) return std::nullopt;
    return static_cast<DWORD>(due_.begin()->first);
}

void ClockScheduler::RunDue() {
    for (;;) {
        std::function<void()> callback;
        {
            std::lock_guard lock(mutex_);
            if (due_.empty() || due_.begin()->first > Now64()) return;
            callback = std::move(due_.begin()->second.second);
            due_.erase(due_.begin());
        }
        callback();
    }
}

void ClockScheduler::Clear() {
    std::lock_guard lock(mutex_);
    due_.clear();
}
