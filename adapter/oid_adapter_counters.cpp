// OidAdapter: the scan list and the statistics counters.
#include "adapter/oid_adapter.h"
#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"

namespace {

constexpr DWORD PRESET_CLEARED = 0xFFFFFFFF;

DWORD Low32(ULONGLONG counter) { return static_cast<DWORD>(counter); }

// Outputs of the detail statistics that report 0 when the caller preset them to -1.
bool PresetClears(std::size_t k) {
    return (k >= 1 && k <= 6) || k == STAT_FRAME_DUPLICATES || k == STAT_MULTICAST_RECEIVED_FRAMES;
}

}  // namespace

// Scan list.

// S OID_PRIV_BSSID_LIST_SCAN, no payload; the driver scans in the background.
int OidAdapter::StartScan() { return SendCommand(OID_PRIV_BSSID_LIST_SCAN) ? 1 : 0; }

// Q OID_PRIV_BSSID_LIST, 3332 into the zeroed list; left empty unless answered.
int OidAdapter::GetBssidList(NdisBssidList& list) {
    list = NdisBssidList{};
    Reply reply = Query(OID_PRIV_BSSID_LIST, &list, sizeof list);
    if (reply != Reply::Answered) list = NdisBssidList{};
    return Unchecked(reply);
}

// Statistics.

// In this order: Q OID_PRIV_TX_BYTE_COUNT, 8; Q OID_PRIV_RX_BYTE_COUNT, 8; Q OID_GEN_XMIT_OK,
// OID_GEN_XMIT_ERROR, OID_GEN_RCV_OK, OID_GEN_RCV_ERROR, 4 each; Q OID_PRIV_STATISTICS, 104
// (checked: else 0 with `goodCrc` untouched); GetDiagCounters805 (zeros when it fails).
// `goodCrc` = the three diagnostic counters + frame duplicates + received fragments, wrapping.
int OidAdapter::GetStatistics(ULONGLONG& txBytes, ULONGLONG& rxBytes, DWORD& framesSent,
                              DWORD& sendErrors, DWORD& framesReceived, DWORD& goodCrc,
                              DWORD& rxErrors) {
    QueryRecord(OID_PRIV_TX_BYTE_COUNT, txBytes);
    QueryRecord(OID_PRIV_RX_BYTE_COUNT, rxBytes);
    QueryRecord(OID_GEN_XMIT_OK, framesSent);
    QueryRecord(OID_GEN_XMIT_ERROR, sendErrors);
    QueryRecord(OID_GEN_RCV_OK, framesReceived);
    QueryRecord(OID_GEN_RCV_ERROR, rxErrors);
    NdisStatistics stats{};
    if (Query(OID_PRIV_STATISTICS, &stats, sizeof stats) != Reply::Answered) return 0;
    DWORD a = 0, b = 0, c = 0;
    GetDiagCounters805(a, b, c);
    goodCrc = a + b + c + Low32(stats.counters[STAT_FRAME_DUPLICATES]) +
              Low32(stats.counters[STAT_RECEIVED_FRAGMENTS]);
    return 1;
}

// Q OID_PRIV_STATISTICS, 104: output k = low 32 bits of counter k; outputs 1..6, 8 and 10
// preset to 0xFFFFFFFF come back 0.
int OidAdapter::GetStatisticsDetail(StatisticsDetail& counters) {
    NdisStatistics stats{};
    Reply reply = Query(OID_PRIV_STATISTICS, &stats, sizeof stats);
    if (reply != Reply::Answered) return Unchecked(reply);
    for (std::size_t k = 0; k < counters.size(); ++k) {
        bool cleared = counters[k] == PRESET_CLEARED && PresetClears(k);
        counters[k] = cleared ? 0 : Low32(stats.counters[k]);
    }
    return 1;
}

// Q `oid`, 16: the words at offsets 4, 8 and 12.
int OidAdapter::QueryCounters(DWORD oid, DWORD& a, DWORD& b, DWORD& c) {
    DiagCountersRecord record{};
    if (QueryRecord(oid, record) != Reply::Answered) return 0;
    a = record.counters[0];
    b = record.counters[1];
    c = record.counters[2];
    return 1;
}

// QueryCounters of OID_PRIV_DIAG_COUNTERS_805.
int OidAdapter::GetDiagCounters805(DWORD& a, DWORD& b, DWORD& c) {
    return QueryCounters(OID_PRIV_DIAG_COUNTERS_805, a, b, c);
}

// QueryCounters of OID_PRIV_DIAG_COUNTERS_80D.
int OidAdapter::GetDiagCounters80D(DWORD& a, DWORD& b, DWORD& c) {
    return QueryCounters(OID_PRIV_DIAG_COUNTERS_80D, a, b, c);
}
