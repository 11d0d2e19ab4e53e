#include "sim/statistics_record.h"

#include "sim/le_bytes.h"
#include "sim/sim_oids.h"

namespace {

constexpr DWORD kDiagnosticsSize = 16;

std::vector<BYTE> Diagnostics(ULONGLONG a, ULONGLONG b, ULONGLONG c) {
    std::vector<BYTE> record(kDiagnosticsSize);
    PutLe32(record, 0, kDiagnosticsSize);
    PutLe32(record, 4, static_cast<DWORD>(a));
    PutLe32(record, 8, static_cast<DWORD>(b));
    PutLe32(record, 12, static_cast<DWORD>(c));
    return record;
}

}  // namespace

std::vector<BYTE> StatisticsRecord::Build(const TrafficCounters& t) {
    const ULONGLONG counters[12] = {
        t.txFrames,
        t.txFrames / 16,
        t.txErrors,
        t.txFrames / 12 + t.txErrors,
        t.txFrames / 40,
        0,
        0,
        t.txErrors,
        t.rxFrames / 50,
        t.rxFrames,
        t.rxFrames / 10,
        t.rxErrors,
    };
    std::vector<BYTE> record(oids::kStatisticsSize);
    PutLe32(record, 0, oids::kStatisticsSize);
    for (std::size_t k = 0; k < 12; ++k) PutLe64(record, 8 + 8 * k, counters[k]);
    return record;
}

std::vector<BYTE> StatisticsRecord::ReceiveDiagnostics(const TrafficCounters& t) {
    return Diagnostics(t.rxFrames / 20, t.rxFrames / 10, t.rxFrames / 25);
}

std::vector<BYTE> StatisticsRecord::TransmitDiagnostics(const TrafficCounters& t) {
    return Diagnostics(t.txFrames / 12, t.txErrors, 0);
}
