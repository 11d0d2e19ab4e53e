// The millisecond tick count, real or virtual, and callbacks due at a tick.
//
// Window timers and the simulated card both run on this clock. With the virtual clock nothing
// moves until someone advances it, so a test or a script sees exactly what a user would see
// after that time, without sleeping.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "platform/core/win_types.h"

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DWORD Now() const = 0;
    virtual bool IsVirtual() const = 0;
};

class RealClock : public Clock {
  public:
    RealClock();
    DWORD Now() const override;
    bool IsVirtual() const override { return false; }

  private:
    long long startMs_;
};

class VirtualClock : public Clock {
  public:
    explicit VirtualClock(DWORD start = 0) : now_(start) {}
    DWORD Now() const override;
    bool IsVirtual() const override { return true; }
    void Advance(DWORD ms);
    void Set(DWORD tick);

  private:
    mutable std::mutex mutex_;
    DWORD now_;
};

// The clock the platform runs on; a real clock until SetPlatformClock is called.
Clock& PlatformClock();
// Installs a clock (not owned; it must outlive its use). Null restores the real clock.
void SetPlatformClock(Clock* clock);
DWORD GetTickCount();

// The tick count wraps after 2^32 ms (49.7 days), so ticks are compared modulo 2^32: a is
// before b when b - a, read as a signed 32-bit number, is positive.
inline bool TickBefore(DWORD a, DWORD b) { return static_cast<std::int32_t>(a - b) < 0; }
// True once `now` has reached `due`.
inline bool TickReached(DWORD now, DWORD due) { return !TickBefore(now, due); }
inline DWORD EarlierTick(DWORD a, DWORD b) { return TickBefore(b, a) ? b : a; }
// Milliseconds from `now` until `due`, 0 when it is reached.
inline DWORD TicksUntil(DWORD due, DWORD now) { return TickBefore(now, due) ? due - now : 0; }

// Callbacks due at a tick, run by whoever drives the clock (a front end's loop), on its thread.
class ClockScheduler {
  public:
    static ClockScheduler& Instance();

    using Id = unsigned long long;
    // The due tick is at most 2^32 - 1 ms after the current one.
    Id Schedule(DWORD dueTick, std::function<void()> callback);
    void Cancel(Id id);
    std::optional<DWORD> NextDue() const;
    // Runs, in due order, every callback due at or before the current tick. Callbacks may
    // schedule more; those that are already due run in the same call.
    void RunDue();
    void Clear();

  private:
    // The current tick extended to 64 bits across wraps, so due times keep their order.
    std::uint64_t Now64() const;

    mutable std::mutex mutex_;
    // Starts high so that a clock set back never takes it below zero; it stays congruent to
    // the tick modulo 2^32.
    mutable std::uint64_t now64_ = std::uint64_t{1} << 40;
    mutable DWORD lastTick_ = 0;
    std::multimap<std::uint64_t, std::pair<Id, std::function<void()>>> due_;
    Id nextId_ = 1;
};
