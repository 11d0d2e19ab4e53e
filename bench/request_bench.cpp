// Cost of one OID request through the whole stack (request block, named event, device call,
// simulated driver) against a floor taken in the same run: a bare control-code round trip on
// the same device. Compare BM_QueryOid* with BM_Floor_ControlCode; the ratio is what the
// request machinery adds.
#include <benchmark/benchmark.h>

#include "link/adapter_channel.h"
#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/registry/registry_store.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"

namespace {

constexpr DWORD kLinkSpeedOid = 0x00010107;

struct Stack {
    Stack() : host(Scenario::Default()) {
        RegistryStore::Instance().Reset();
        SetPlatformClock(&clock);
    }
    ~Stack() {
        SetPlatformClock(nullptr);
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
    }
    VirtualClock clock;
    SimHost host;
};

void BM_Floor_ControlCode(benchmark::State& state) {
    Stack stack;
    HANDLE channel = OpenControlChannel();
    for (auto _ : state) {
        DWORD version = 0;
        benchmark::DoNotOptimize(GetDriverApiVersion(channel, &version));
    }
    CloseControlChannel(channel);
}
BENCHMARK(BM_Floor_ControlCode);

void BM_QueryOid(benchmark::State& state) {
    Stack stack;
    AdapterChannel channel(u"KESTREL1");
    for (auto _ : state) {
        DWORD speed = 0, status = 1;
        benchmark::DoNotOptimize(channel.QueryOid(kLinkSpeedOid, &speed, sizeof(speed), &status));
    }
}
BENCHMARK(BM_QueryOid);

// A pending request completes from the driver's worker thread: real time, so it is measured
// as such.
void BM_QueryOidPending(benchmark::State& state) {
    Stack stack;
    FaultSpec pend;
    pend.oid = kLinkSpeedOid;
    pend.kind = FaultKind::Pending;
    stack.host.Card(u"KESTREL1")->AddFault(pend);
    AdapterChannel channel(u"KESTREL1");
    for (auto _ : state) {
        DWORD speed = 0, status = 1;
        benchmark::DoNotOptimize(channel.QueryOid(kLinkSpeedOid, &speed, sizeof(speed), &status));
    }
}
BENCHMARK(BM_QueryOidPending)->UseRealTime()->Iterations(50);

}  // namespace
