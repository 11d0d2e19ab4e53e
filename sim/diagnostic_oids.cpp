#include "platform/core/clock.h"
#include "rad4/oids.h"
#include "sim/card_model.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"

namespace {

constexpr bool kGeneral = false;
constexpr BYTE kRead = 1;
constexpr BYTE kWrite = 0;
constexpr BYTE kTargetSize = 0;
constexpr BYTE kTargetWord = 1;
constexpr DWORD kMaxDiagWriteData = 2348;
constexpr DWORD kDiagnosticsSize = 16;

// A frame counter: 32 bits in a 4-byte buffer, 64 bits when the caller offers 8.
void AddFrameCounter(OidTable& table, CardModel& model, DWORD oid,
                     ULONGLONG TrafficCounters::*counter) {
    OidHandler handler;
    handler.queryLength = 4;
    handler.wirelessOnly = kGeneral;
    handler.query = [&model, counter](const OidCall& call) {
        std::vector<BYTE> reply(call.length >= 8 ? 8 : 4);
        PutLe64(reply, 0, model.Traffic(GetTickCount()).*counter);
        return OidTable::Reply(std::move(reply));
    };
    table.Add(oid, std::move(handler));
}

// A 16-byte diagnostic counter record: its length, then three 32-bit counters.
std::vector<BYTE> Diagnostics(ULONGLONG a, ULONGLONG b, ULONGLONG c) {
    std::vector<BYTE> record(kDiagnosticsSize);
    PutLe32(record, 0, kDiagnosticsSize);
    PutLe32(record, 4, static_cast<DWORD>(a));
    PutLe32(record, 8, static_cast<DWORD>(b));
    PutLe32(record, 12, static_cast<DWORD>(c));
    return record;
}

// Length 104, then twelve 64-bit counters from offset 8: transmitted fragments, multicast
// transmitted, failed, retry, multiple retry, RTS success, RTS failure, ACK failure,
// duplicates, received fragments, multicast received, FCS errors.
std::vector<BYTE> StatisticsRecord(const TrafficCounters& t) {
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

void AddCounters(OidTable& table, CardModel& model) {
    AddFrameCounter(table, model, oids::kXmitOk, &TrafficCounters::txFrames);
    AddFrameCounter(table, model, oids::kRcvOk, &TrafficCounters::rxFrames);
    AddFrameCounter(table, model, oids::kXmitError, &TrafficCounters::txErrors);
    AddFrameCounter(table, model, oids::kRcvError, &TrafficCounters::rxErrors);
    table.AddRecord(oids::kTxByteCount, 8, [&model] {
        std::vector<BYTE> count(8);
        PutLe64(count, 0, model.Traffic(GetTickCount()).txBytes);
        return count;
    });
    table.AddRecord(oids::kRxByteCount, 8, [&model] {
        std::vector<BYTE> count(8);
        PutLe64(count, 0, model.Traffic(GetTickCount()).rxBytes);
        return count;
    });

    OidHandler statistics;
    statistics.queryLength = oids::kStatisticsSize;
    statistics.query = [&model](const OidCall&) {
        return OidTable::Reply(StatisticsRecord(model.Traffic(GetTickCount())));
    };
    table.Add(oids::kStatistics, std::move(statistics));
}

void AddKeys(OidTable& table, CardModel& model) {
    table.AddWordPair(oids::kFlagPair, model.settings.flagFirst, model.settings.flagSecond);
    table.AddRecord(
        oids::kKeyEntry, oids::kKeyEntrySize, [&model] { return model.keys.EntryReply(); },
        [&model](const std::vector<BYTE>& record) { return model.keys.SetEntry(record); });
    table.AddRecord(
        oids::kWepKey, oids::kWepKeySize, [&model] { return model.keys.WepKeyReply(); },
        [&model](const std::vector<BYTE>& record) { return model.keys.SetWepKey(record); });
}

std::vector<BYTE> EepromRecord(BYTE target, BYTE address, WORD value) {
    std::vector<BYTE> record{kRead, target, address, 0, 0, 0};
    PutLe16(record, 4, value);
    return record;
}

// The 6-byte EEPROM record: a read prepares the reply of the next query, a write stores a word.
DWORD EepromRequest(CardModel& model, const std::vector<BYTE>& record) {
    BYTE direction = record[0], target = record[1], address = record[2];
    if (direction == kRead && target == kTargetSize) {
        model.eepromReply =
            EepromRecord(kTargetSize, 0, static_cast<WORD>(model.eeprom.SizeBytes()));
        return ndis::kSuccess;
    }
    WORD value = 0;
    if (direction == kRead && target == kTargetWord && model.eeprom.Read(address, &value)) {
        model.eepromReply = EepromRecord(kTargetWord, address, value);
        return ndis::kSuccess;
    }
    if (direction == kWrite && target == kTargetWord &&
        model.eeprom.Write(address, GetLe16(record, 4))) {
        return ndis::kSuccess;
    }
    return ndis::kInvalidData;
}

void AddRegisters(OidTable& table, CardModel& model) {
    table.AddRecord(
        oids::kMacRegister, oids::kMacRegisterSize, [&model] { return model.registers.MacReply(); },
        [&model](const std::vector<BYTE>& r) { return model.registers.MacRequest(r); });
    OidHandler baseband;
    baseband.queryLength = oids::kBasebandRegisterSize;
    baseband.setLength = oids::kBasebandRegisterSize;
    baseband.query = [&model](const OidCall& call) {
        std::vector<BYTE> reply;
        DWORD status = model.registers.BasebandReply(call.input, reply);
        return status == ndis::kSuccess ? OidTable::Reply(std::move(reply))
                                        : OidTable::Failure(status);
    };
    baseband.set = [&model](const std::vector<BYTE>& r) {
        return model.registers.BasebandRequest(r);
    };
    table.Add(oids::kBasebandRegister, std::move(baseband));
    table.AddRecord(
        oids::kEeprom, oids::kEepromRecordSize,
        [&model] {
            if (!model.eepromReply.empty()) return model.eepromReply;
            return EepromRecord(kTargetSize, 0, static_cast<WORD>(model.eeprom.SizeBytes()));
        },
        [&model](const std::vector<BYTE>& r) { return EepromRequest(model, r); });
}

// kDiag804: a value per selector byte; the query names the selector in its first byte.
void AddSelectorValues(OidTable& table, CardModel& model) {
    OidHandler handler;
    handler.queryLength = 8;
    handler.setLength = 8;
    handler.query = [&model](const OidCall& call) {
        BYTE selector = call.input.empty() ? 0 : call.input[0];
        std::vector<BYTE> reply(8);
        reply[0] = selector;
        auto it = model.diag804.find(selector);
        PutLe32(reply, 4, it == model.diag804.end() ? 0 : it->second);
        return OidTable::Reply(std::move(reply));
    };
    handler.set = [&model](const std::vector<BYTE>& record) {
        model.diag804[record[0]] = GetLe32(record, 4);
        return ndis::kSuccess;
    };
    table.Add(oids::kDiag804, std::move(handler));
}

void AddDiagnosticRecords(OidTable& table, CardModel& model) {
    table.AddRecord(oids::kDiagCounters805, 16, [&model] {
        TrafficCounters t = model.Traffic(GetTickCount());
        // Received management, multicast and control frames.
        return Diagnostics(t.rxFrames / 20, t.rxFrames / 10, t.rxFrames / 25);
    });
    table.AddRecord(oids::kDiagCounters80D, 16, [&model] {
        TrafficCounters t = model.Traffic(GetTickCount());
        // Transmit retries, ACK failures and RTS failures.
        return Diagnostics(t.txFrames / 12, t.txErrors, 0);
    });
    table.AddRecord(oids::kDiag808, oids::kDiag808Size, [&model] {
        TrafficCounters t = model.Traffic(GetTickCount());
        std::vector<BYTE> record(oids::kDiag808Size);
        PutLe32(record, 0, oids::kDiag808Size);
        PutLe64(record, 8, t.txFrames);
        PutLe64(record, 16, t.rxFrames);
        PutLe64(record, 24, t.txBytes);
        PutLe64(record, 32, t.rxBytes);
        return record;
    });
    table.AddRecord(oids::kDiagWrite807, oids::kDiagWrite807Size, {},
                    [&model](const std::vector<BYTE>& payload) {
                        if (GetLe32(payload, 0) > kMaxDiagWriteData) return ndis::kInvalidData;
                        model.diagWrite807 = payload;
                        return ndis::kSuccess;
                    });
    table.AddWordPair(oids::kDiagSet80E, model.diag80E.first, model.diag80E.second);
}

}  // namespace

void OidTable::AddDiagnosticOids(CardModel& model) {
    using Family = void (*)(OidTable&, CardModel&);
    for (Family add : {AddCounters, AddKeys, AddRegisters, AddSelectorValues, AddDiagnosticRecords})
        add(*this, model);
    // Commands the card accepts without visible effect.
    for (DWORD oid : {oids::kDiagCommand806, oids::kDiagCommand809, oids::kDiagCommand80A,
                      oids::kDiagCommand80B, oids::kDiagCommand901, oids::kDiagCommand906}) {
        AddCommand(oid, [] {});
    }
}
