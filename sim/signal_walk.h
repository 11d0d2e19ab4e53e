// A signal level that wanders by a seeded random walk, evaluated lazily at a tick.
#pragma once

#include <random>

#include "platform/core/win_types.h"
#include "sim/scenario.h"

class SignalWalk {
  public:
    // Step 0 is at startTick; the same seed gives the same walk.
    SignalWalk(int baseDbm, const SignalWander& wander, DWORD seed, DWORD startTick);

    int At(DWORD tick);
    // A new base level; the walk starts again from it at this tick.
    void Reset(int baseDbm, DWORD tick);
    // A new base level and a new way of wandering (another network), from this tick.
    void Reset(int baseDbm, const SignalWander& wander, DWORD tick);
    int Base() const { return base_; }

    // Mixes a scenario seed with a per-signal salt, so that every walk has its own sequence.
    static DWORD MixSeed(DWORD seed, DWORD salt);

  private:
    void Restart();

    int base_;
    SignalWander wander_;
    DWORD seed_;
    DWORD startTick_;
    std::mt19937 random_;
    DWORD step_ = 0;
    int offset_ = 0;
};
