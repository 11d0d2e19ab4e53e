#include "platform/core/clock.h"
#include "sim/card_model.h"
#include "sim/card_oids.h"
#include "sim/le_bytes.h"
#include "sim/oid_table.h"
#include "sim/sim_oids.h"

namespace {

constexpr bool kGeneral = false;

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

}  // namespace

void AddGeneralOids(OidTable& table, CardModel& model) {
    table.AddValue(
        oids::kMaximumTotalSize, [&model] { return model.Desc().maxTotalSize; }, {}, kGeneral);
    table.AddValue(
        oids::kLinkSpeed, [&model] { return model.LinkSpeed(); }, {}, kGeneral);
    table.AddValue(
        oids::kMediaConnectStatus, [&model] { return model.ConnectStatus(); }, {}, kGeneral);
    table.AddValue(
        oids::kVendorDriverVersion, [&model] { return model.VendorDriverVersion(); }, {}, kGeneral);
    AddFrameCounter(table, model, oids::kXmitOk, &TrafficCounters::txFrames);
    AddFrameCounter(table, model, oids::kRcvOk, &TrafficCounters::rxFrames);
    AddFrameCounter(table, model, oids::kXmitError, &TrafficCounters::txErrors);
    AddFrameCounter(table, model, oids::kRcvError, &TrafficCounters::rxErrors);

    OidHandler address;
    address.queryLength = 6;
    address.wirelessOnly = kGeneral;
    address.query = [&model](const OidCall&) {
        const auto& mac = model.Desc().mac;
        return OidTable::Reply(std::vector<BYTE>(mac.begin(), mac.end()));
    };
    table.Add(oids::kCurrentAddress, std::move(address));

    table.AddValue(
        oids::kNetworkTypeInUse, [&model] { return model.settings.networkTypeInUse; },
        [&model](DWORD type) {
            if (type > 4) return ndis::kInvalidData;
            model.settings.networkTypeInUse = type;
            return ndis::kSuccess;
        });
}
