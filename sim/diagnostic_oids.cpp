#include "platform/core/clock.h"
#include "sim/card_model.h"
#include "sim/card_oids.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/setting_oid.h"
#include "sim/sim_oids.h"
#include "sim/statistics_record.h"

namespace {

constexpr BYTE kRead = 1;
constexpr BYTE kWrite = 0;
constexpr BYTE kTargetSize = 0;
constexpr BYTE kTargetWord = 1;
constexpr DWORD kMaxDiagWriteData = 2348;

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
        return StatisticsRecord::ReceiveDiagnostics(model.Traffic(GetTickCount()));
    });
    table.AddRecord(oids::kDiagCounters80D, 16, [&model] {
        return StatisticsRecord::TransmitDiagnostics(model.Traffic(GetTickCount()));
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
    SettingOid::AddWordPair(table, oids::kDiagSet80E, model.diag80E.first, model.diag80E.second);
}

}  // namespace

void AddDiagnosticOids(OidTable& table, CardModel& model) {
    AddRegisters(table, model);
    AddSelectorValues(table, model);
    AddDiagnosticRecords(table, model);
    // Commands the card accepts without visible effect.
    for (DWORD oid : {oids::kDiagCommand806, oids::kDiagCommand809, oids::kDiagCommand80A,
                      oids::kDiagCommand80B, oids::kDiagCommand901, oids::kDiagCommand906}) {
        table.AddCommand(oid, [] {});
    }
}
