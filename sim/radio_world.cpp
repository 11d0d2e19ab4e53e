#include "sim/radio_world.h"

#include "platform/core/clock.h"
#include "sim/signal_walk.h"

RadioWorld::RadioWorld(std::vector<NetworkSpec> networks, DWORD seed, DWORD startTick)
    : seed_(seed), startTick_(startTick) {
    for (const auto& network : networks) AddLocked(network);
}

RadioWorld::~RadioWorld() = default;

void RadioWorld::AddLocked(const NetworkSpec& network) {
    auto walk = std::make_unique<SignalWalk>(network.signalDbm, network.wander,
                                             SignalWalk::MixSeed(seed_, added_++), startTick_);
    entries_.push_back(Entry{network, std::move(walk)});
}

bool RadioWorld::InRangeAt(const NetworkSpec& network, DWORD tick) const {
    auto worldTime = static_cast<LONG>(tick - startTick_);
    if (worldTime < 0) worldTime = 0;
    auto t = static_cast<DWORD>(worldTime);
    return t >= network.inRangeFromMs && (!network.inRangeUntilMs || t < *network.inRangeUntilMs);
}

std::vector<NetworkSighting> RadioWorld::InRange(DWORD tick) {
    std::lock_guard lock(mutex_);
    std::vector<NetworkSighting> sightings;
    for (auto& entry : entries_) {
        if (InRangeAt(entry.network, tick)) {
            sightings.push_back(NetworkSighting{entry.network, entry.walk->At(tick)});
        }
    }
    return sightings;
}

std::optional<NetworkSighting> RadioWorld::Strongest(const std::string& ssid, DWORD tick) {
    std::optional<NetworkSighting> best;
    for (auto& sighting : InRange(tick)) {
        if (sighting.network.ssid != ssid) continue;
        if (!best || sighting.signalDbm > best->signalDbm) best = sighting;
    }
    return best;
}

void RadioWorld::AddNetwork(const NetworkSpec& network) {
    std::lock_guard lock(mutex_);
    AddLocked(network);
}

bool RadioWorld::RemoveNetwork(const MacAddress& bssid) {
    std::lock_guard lock(mutex_);
    return std::erase_if(entries_, [&](const Entry& e) { return e.network.bssid == bssid; }) > 0;
}

void RadioWorld::SetNetworkSignal(const MacAddress& bssid, int dbm) {
    std::lock_guard lock(mutex_);
    for (auto& entry : entries_) {
        if (entry.network.bssid == bssid) entry.walk->Reset(dbm, GetTickCount());
    }
}

std::size_t RadioWorld::NetworkCount() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}
