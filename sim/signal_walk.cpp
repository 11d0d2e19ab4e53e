#include "sim/signal_walk.h"

#include <algorithm>

namespace {

// Beyond this many steps in one go the walk restarts close to the target; a walk that long has
// forgotten where it started anyway.
constexpr DWORD kMaxCatchUp = 1000000;

}  // namespace

SignalWalk::SignalWalk(int baseDbm, const SignalWander& wander, DWORD seed, DWORD startTick)
    : base_(baseDbm), wander_(wander), seed_(seed), startTick_(startTick) {
    Restart();
}

DWORD SignalWalk::MixSeed(DWORD seed, DWORD salt) {
    DWORD x = seed * 0x9E3779B1u + salt * 0x85EBCA6Bu + 0x6A09E667u;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    return x;
}

void SignalWalk::Restart() {
    random_.seed(seed_);
    step_ = 0;
    offset_ = 0;
}

int SignalWalk::At(DWORD tick) {
    if (wander_.stepDb <= 0 || wander_.intervalMs == 0) return base_;
    auto elapsed = static_cast<LONG>(tick - startTick_);
    if (elapsed < 0) return base_;
    DWORD target = static_cast<DWORD>(elapsed) / wander_.intervalMs;
    if (target < step_) Restart();
    if (target - step_ > kMaxCatchUp) step_ = target - kMaxCatchUp;
    const DWORD span = static_cast<DWORD>(2 * wander_.stepDb + 1);
    while (step_ < target) {
        int delta = static_cast<int>(random_() % span) - wander_.stepDb;
        offset_ = std::clamp(offset_ + delta, -wander_.rangeDb, wander_.rangeDb);
        ++step_;
    }
    return base_ + offset_;
}

void SignalWalk::Reset(int baseDbm, DWORD tick) {
    base_ = baseDbm;
    startTick_ = tick;
    Restart();
}

void SignalWalk::Reset(int baseDbm, const SignalWander& wander, DWORD tick) {
    wander_ = wander;
    Reset(baseDbm, tick);
}
