// The millisecond tick count, real or virtual, and callbacks due at a tick.
//
// Window timers and the simulated card both run on this clock. With the virtual clock nothing
// moves until someone advances it, so a test or a script sees exactly what a user would see
// after that time, without sleeping.
#pragma once

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

// Callbacks due at a tick, run by whoever drives the clock (a front end's loop), on its thread.
class ClockScheduler {
  public:
    static ClockScheduler& Instance();

    using Id = unsigned long long;
    Id Schedule(DWORD dueTick, std::function<void()> callback);
    void Cancel(Id id);
    std::optional<DWORD> NextDue() const;
    // Runs, in due order, every callback due at or before the current tick. Callbacks may
    // schedule more; those that are already due run in the same call.
    void RunDue();
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::multimap<DWORD, std::pair<Id, std::function<void()>>> due_;
    Id nextId_ = 1;
};
