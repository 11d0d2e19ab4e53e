#include "sim/oid_table.h"

#include "rad4/oids.h"
#include "sim/le_bytes.h"

namespace {

constexpr DWORD kQuery = 0;
constexpr DWORD kSet = 1;

OidResult LengthError(DWORD status, DWORD needed) {
    OidResult result;
    result.status = status;
    result.bytesNeeded = needed;
    return result;
}

}  // namespace

OidTable OidTable::ForCard(CardModel& model) {
    OidTable table;
    table.AddStationOids(model);
    table.AddDiagnosticOids(model);
    return table;
}

void OidTable::Add(DWORD oid, OidHandler handler) { handlers_[oid] = std::move(handler); }

void OidTable::AddValue(DWORD oid, std::function<DWORD()> get, std::function<DWORD(DWORD)> set,
                        bool wirelessOnly) {
    OidHandler handler;
    handler.queryLength = 4;
    handler.setLength = set ? 4 : 0;
    handler.wirelessOnly = wirelessOnly;
    handler.query = [get](const OidCall&) { return Reply(Le32Bytes(get())); };
    if (set) {
        handler.set = [set](const std::vector<BYTE>& in) { return set(GetLe32(in, 0)); };
    }
    Add(oid, std::move(handler));
}

void OidTable::AddSetting(DWORD oid, DWORD& field, DWORD low, DWORD high) {
    AddChoice(oid, field, [low, high](DWORD value) { return value >= low && value <= high; });
}

void OidTable::AddChoice(DWORD oid, DWORD& field, std::function<bool(DWORD)> accepted) {
    AddValue(
        oid, [&field] { return field; },
        [&field, accepted](DWORD value) {
            if (!accepted(value)) return ndis::kInvalidData;
            field = value;
            return ndis::kSuccess;
        });
}

void OidTable::AddWordPair(DWORD oid, DWORD& first, DWORD& second) {
    AddRecord(
        oid, 8,
        [&first, &second] {
            std::vector<BYTE> pair(8);
            PutLe32(pair, 0, first);
            PutLe32(pair, 4, second);
            return pair;
        },
        [&first, &second](const std::vector<BYTE>& pair) {
            first = GetLe32(pair, 0);
            second = GetLe32(pair, 4);
            return ndis::kSuccess;
        });
}

void OidTable::AddRecord(DWORD oid, DWORD size, std::function<std::vector<BYTE>()> get,
                         std::function<DWORD(const std::vector<BYTE>&)> set) {
    OidHandler handler;
    handler.queryLength = get ? size : 0;
    handler.setLength = size;
    if (get) handler.query = [get](const OidCall&) { return Reply(get()); };
    handler.set = std::move(set);
    Add(oid, std::move(handler));
}

void OidTable::AddCommand(DWORD oid, std::function<void()> run) {
    OidHandler handler;
    handler.set = [run](const std::vector<BYTE>&) {
        run();
        return ndis::kSuccess;
    };
    Add(oid, std::move(handler));
}

OidResult OidTable::Reply(std::vector<BYTE> data) {
    OidResult result;
    result.data = std::move(data);
    return result;
}

OidResult OidTable::Failure(DWORD status) {
    OidResult result;
    result.status = status;
    return result;
}

OidResult OidTable::Dispatch(const OidCall& call, bool wirelessCard) const {
    auto it = handlers_.find(call.oid);
    if (it == handlers_.end()) return Failure(ndis::kInvalidOid);
    const OidHandler& handler = it->second;
    if (handler.wirelessOnly && !wirelessCard) return Failure(ndis::kNotSupported);
    if (call.type == kQuery && handler.query) return Query(handler, call);
    if (call.type == kSet && handler.set) return Set(handler, call);
    return Failure(ndis::kNotSupported);
}

OidResult OidTable::Query(const OidHandler& handler, const OidCall& call) const {
    if (call.length < handler.queryLength) {
        return LengthError(ndis::kBufferTooShort, handler.queryLength);
    }
    OidResult result = handler.query(call);
    if (result.status != ndis::kSuccess) {
        result.data.clear();
        return result;
    }
    if (result.data.size() > call.length) result.data.resize(call.length);
    result.bytesTransferred = static_cast<DWORD>(result.data.size());
    return result;
}

OidResult OidTable::Set(const OidHandler& handler, const OidCall& call) const {
    if (call.length < handler.setLength || call.input.size() < handler.setLength) {
        return LengthError(ndis::kInvalidLength, handler.setLength);
    }
    std::vector<BYTE> payload(call.input.begin(), call.input.begin() + handler.setLength);
    OidResult result;
    result.status = handler.set(payload);
    if (result.status == ndis::kSuccess) result.bytesTransferred = handler.setLength;
    return result;
}
