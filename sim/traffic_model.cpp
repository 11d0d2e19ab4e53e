#include "sim/traffic_model.h"

#include <cmath>

namespace {

ULONGLONG Grown(ULONGLONG base, double perSecond, ULONGLONG activeMs) {
    return base +
           static_cast<ULONGLONG>(std::floor(perSecond * static_cast<double>(activeMs) / 1000.0));
}

}  // namespace

void TrafficModel::Reset(DWORD tick) {
    base_ = TrafficCounters{};
    activeMs_ = 0;
    lastTick_ = tick;
}

void TrafficModel::Advance(DWORD tick, bool active) {
    auto elapsed = static_cast<LONG>(tick - lastTick_);
    if (elapsed > 0 && active) activeMs_ += static_cast<ULONGLONG>(elapsed);
    lastTick_ = tick;
}

void TrafficModel::SetRates(const TrafficSpec& rates, DWORD tick, bool active) {
    Advance(tick, active);
    base_ = Counters();
    activeMs_ = 0;
    rates_ = rates;
}

TrafficCounters TrafficModel::Counters() const {
    TrafficCounters c;
    c.txBytes = Grown(base_.txBytes, rates_.txBytesPerSec, activeMs_);
    c.rxBytes = Grown(base_.rxBytes, rates_.rxBytesPerSec, activeMs_);
    c.txFrames = Grown(base_.txFrames, rates_.txFramesPerSec, activeMs_);
    c.rxFrames = Grown(base_.rxFrames, rates_.rxFramesPerSec, activeMs_);
    c.txErrors = Grown(base_.txErrors, rates_.txErrorsPerSec, activeMs_);
    c.rxErrors = Grown(base_.rxErrors, rates_.rxErrorsPerSec, activeMs_);
    return c;
}
