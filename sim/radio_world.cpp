#include "sim/radio_world.h"

#include "sim/signal_walk.h"

RadioWorld::RadioWorld(std::vector<NetworkSpec>, DWORD seed, DWORD startTick)
    : seed_(seed), startTick_(startTick) {}
RadioWorld::~RadioWorld() = default;
std::vector<NetworkSighting> RadioWorld::InRange(DWORD) { return {}; }
std::optional<NetworkSighting> RadioWorld::Strongest(const std::string&, DWORD) { return {}; }
void RadioWorld::AddNetwork(const NetworkSpec&) {}
bool RadioWorld::RemoveNetwork(const MacAddress&) { return false; }
void RadioWorld::SetNetworkSignal(const MacAddress&, int) {}
std::size_t RadioWorld::NetworkCount() const { return 0; }
