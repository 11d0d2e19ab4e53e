// The simulated driver on a virtual clock with a fresh registry, as the benchmarks share it.
#pragma once

#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"
#include "sim/sim_host.h"

struct BenchStack {
    explicit BenchStack(Scenario scenario = Scenario::Default())
        : host(Reset(std::move(scenario))) {}
    ~BenchStack() {
        SetPlatformClock(nullptr);
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
    }
    Scenario Reset(Scenario scenario) {
        RegistryStore::Instance().Reset();
        SetPlatformClock(&clock);
        return scenario;
    }
    VirtualClock clock;
    SimHost host;
};
