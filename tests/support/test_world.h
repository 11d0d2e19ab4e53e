// What the tests on the simulated driver share: a clean world between tests, the home network
// and the requests a card received.
#pragma once

#include <vector>

#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/ip_helper.h"
#include "platform/registry/registry_store.h"
#include "sim/scenario.h"
#include "sim/sim_card.h"

// Forgets every device, driver file, loaded driver, registry value, clock job and listed address.
inline void ResetTestWorld() {
    DeviceManager::Instance().Reset();
    DriverLibrary() = DriverLibraryState{};
    RegistryStore::Instance().Reset();
    ClockScheduler::Instance().Clear();
    ClearAdapterAddresses();
}

inline constexpr MacAddress kHomeStation{0x00, 0x0A, 0x0B, 0x1C, 0x2D, 0x3E};
inline constexpr MacAddress kHomeAp{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

// One network, "home" on channel 6, and the adapter `name` associated with it at -60 dBm
// (signal 50 %, quality 70) and 11 Mbit/s.
inline Scenario HomeScenario(const char16_t* name) {
    Scenario world;
    NetworkSpec& home = world.networks.emplace_back();
    home.ssid = "home";
    home.bssid = kHomeAp;
    home.channel = 6;
    home.rates = {0x82, 0x84, 0x0B, 0x16};
    AdapterSpec& desc = world.adapters.emplace_back();
    desc.name = name;
    desc.mac = kHomeStation;
    desc.link.connected = true;
    desc.link.ssid = home.ssid;
    desc.link.bssid = kHomeAp;
    desc.link.channel = 6;
    desc.link.signalDbm = -60;
    desc.link.linkSpeed = 110000;
    return world;
}

// Requests of one OID the card received, in order; type 0 queries, 1 sets.
inline std::vector<RecordedRequest> Received(const SimCard& card, DWORD oid, DWORD type) {
    std::vector<RecordedRequest> found;
    for (const RecordedRequest& r : card.Requests()) {
        if (r.oid == oid && r.type == type) found.push_back(r);
    }
    return found;
}
