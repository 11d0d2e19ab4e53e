// Traffic counters that grow at the scenario's rates for as long as the card is connected,
// evaluated lazily on the platform clock.
#pragma once

#include "platform/core/win_types.h"
#include "sim/scenario.h"

struct TrafficCounters {
    ULONGLONG txBytes = 0;
    ULONGLONG rxBytes = 0;
    ULONGLONG txFrames = 0;
    ULONGLONG rxFrames = 0;
    ULONGLONG txErrors = 0;
    ULONGLONG rxErrors = 0;
};

class TrafficModel {
  public:
    explicit TrafficModel(const TrafficSpec& rates) : rates_(rates) {}

    // All counters 0 from this tick on.
    void Reset(DWORD tick);
    // Accrues the time up to `tick`, counted only when `active`.
    void Advance(DWORD tick, bool active);
    // New rates from `tick` on; what was counted so far stays.
    void SetRates(const TrafficSpec& rates, DWORD tick, bool active);
    TrafficCounters Counters() const;

  private:
    TrafficSpec rates_;
    TrafficCounters base_;
    ULONGLONG activeMs_ = 0;
    DWORD lastTick_ = 0;
};
