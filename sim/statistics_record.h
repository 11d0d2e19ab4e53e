// Counter records derived from the traffic counters: the 104-byte 802.11 statistics record
// (kStatistics) and the 16-byte diagnostic counter records (kDiagCounters805, kDiagCounters80D).
#pragma once

#include <vector>

#include "platform/core/win_types.h"
#include "sim/traffic_model.h"

class StatisticsRecord {
  public:
    // Length 104, then twelve 64-bit counters from offset 8: transmitted fragments, multicast
    // transmitted, failed, retry, multiple retry, RTS success, RTS failure, ACK failure,
    // duplicates, received fragments, multicast received, FCS errors.
    static std::vector<BYTE> Build(const TrafficCounters& traffic);
    // Length 16, then received management, multicast and control frames.
    static std::vector<BYTE> ReceiveDiagnostics(const TrafficCounters& traffic);
    // Length 16, then transmit retries, ACK failures and RTS failures.
    static std::vector<BYTE> TransmitDiagnostics(const TrafficCounters& traffic);
};
