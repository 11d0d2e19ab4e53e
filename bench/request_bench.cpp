// One OID request through the whole stack (request block, named event, device call, simulated
// driver) against its floor: the simulated card handling the same OID directly. A pending
// request, completed by the driver's worker with no delay, against the same request completed
// at once.
#include <benchmark/benchmark.h>

#include "bench_stack.h"
#include "link/adapter_channel.h"
#include "sim/sim_card.h"

namespace {

constexpr DWORD kLinkSpeedOid = 0x00010107;

void BM_Floor_CardOid(benchmark::State& state) {
    BenchStack stack;
    SimCard* card = stack.host.Card(u"KESTREL1");
    OidCall call;
    call.type = 0;
    call.oid = kLinkSpeedOid;
    call.length = 4;
    call.input.assign(4, 0);
    for (auto _ : state) benchmark::DoNotOptimize(card->Handle(call));
}
BENCHMARK(BM_Floor_CardOid);

void QueryLoop(benchmark::State& state, AdapterChannel& channel) {
    for (auto _ : state) {
        DWORD speed = 0, status = 1;
        benchmark::DoNotOptimize(channel.QueryOid(kLinkSpeedOid, &speed, sizeof(speed), &status));
    }
}

void BM_QueryOid(benchmark::State& state) {
    BenchStack stack;
    AdapterChannel channel(u"KESTREL1");
    QueryLoop(state, channel);
}
BENCHMARK(BM_QueryOid);
BENCHMARK(BM_QueryOid)->UseRealTime();

// The machinery of a pending completion (worker thread, named event, wait), not a delay.
void BM_QueryOidPending(benchmark::State& state) {
    Scenario scenario = Scenario::Default();
    scenario.driver.pendingDelayMs = 0;
    BenchStack stack(scenario);
    FaultSpec pend;
    pend.oid = kLinkSpeedOid;
    pend.kind = FaultKind::Pending;
    stack.host.Card(u"KESTREL1")->AddFault(pend);
    AdapterChannel channel(u"KESTREL1");
    QueryLoop(state, channel);
}
BENCHMARK(BM_QueryOidPending)->UseRealTime();

}  // namespace
