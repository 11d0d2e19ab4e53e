// The networks in range, shared by every card: their appearance over time and their signals,
// which wander by seeded random walks on the platform clock.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/scenario.h"

class SignalWalk;

struct NetworkSighting {
    NetworkSpec network;
    int signalDbm;  // at the moment of the sighting
};

class RadioWorld {
  public:
    // World time 0 is `startTick` on the platform clock.
    RadioWorld(std::vector<NetworkSpec> networks, DWORD seed, DWORD startTick);
    ~RadioWorld();

    // The networks in range at a tick, in scenario order, with their signals then.
    std::vector<NetworkSighting> InRange(DWORD tick);
    // The strongest network in range with this SSID.
    std::optional<NetworkSighting> Strongest(const std::string& ssid, DWORD tick);

    void AddNetwork(const NetworkSpec& network);
    // Removes every network with this BSSID; false when there was none.
    bool RemoveNetwork(const MacAddress& bssid);
    void SetNetworkSignal(const MacAddress& bssid, int dbm);
    std::size_t NetworkCount() const;

  private:
    struct Entry {
        NetworkSpec network;
        std::unique_ptr<SignalWalk> walk;
    };
    void AddLocked(const NetworkSpec& network);
    bool InRangeAt(const NetworkSpec& network, DWORD tick) const;

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    DWORD seed_;
    DWORD startTick_;
    DWORD added_ = 0;
};
