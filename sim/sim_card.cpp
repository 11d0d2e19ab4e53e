#include "sim/sim_card.h"

#include <algorithm>
#include <utility>

#include "platform/core/clock.h"
#include "platform/core/ip_helper.h"
#include "platform/core/text.h"
#include "rad4/oids.h"
#include "sim/le_bytes.h"
#include "sim/radio_world.h"

namespace {

constexpr DWORD kQuery = 0;
constexpr DWORD kSet = 1;
constexpr BYTE kEepromTargetWord = 1;

// The register or EEPROM word a request record names, so that a fault can aim at one of them:
// the baseband index, the MAC byte address or the EEPROM word address (word requests only).
// Nothing for other OIDs, the EEPROM size request or a record too short to hold the field.
std::optional<DWORD> RegisterAddress(DWORD oid, const std::vector<BYTE>& record) {
    if (oid == oids::kBasebandRegister && record.size() >= oids::kBasebandRegisterSize) {
        return record[1];
    }
    if (oid == oids::kMacRegister && record.size() >= oids::kMacRegisterSize) {
        return GetLe32(record, 4);
    }
    if (oid == oids::kEeprom && record.size() >= oids::kEepromRecordSize &&
        record[1] == kEepromTargetWord) {
        return record[2];
    }
    return std::nullopt;
}

// Whether a fault, by OID, register address, request type and times left, applies to a call.
bool Matches(const FaultSpec& fault, const OidCall& call) {
    if (fault.oid && *fault.oid != call.oid) return false;
    if (fault.address && RegisterAddress(call.oid, call.input) != fault.address) return false;
    if (fault.times && *fault.times == 0) return false;
    if (fault.kind == FaultKind::Reply && call.type != kQuery) return false;
    switch (fault.request) {
        case RequestMatch::Query:
            return call.type == kQuery;
        case RequestMatch::Set:
            return call.type == kSet;
        case RequestMatch::Any:
            break;
    }
    return true;
}

}  // namespace

SimCard::SimCard(const AdapterSpec& desc, std::shared_ptr<RadioWorld> world,
                 const Scenario& scenario, const std::string& eepromPath,
                 const std::string& ipAddress)
    : model_(std::make_unique<CardModel>(desc, std::move(world), scenario, eepromPath)),
      table_(OidTable::ForCard(*model_)),
      faults_(desc.faults),
      ip_(ipAddress),
      mask_(desc.ipMask) {
    FollowLink();
}

SimCard::~SimCard() { ListAddress(false); }

void SimCard::FollowLink() { ListAddress(!removed_ && !retired_ && model_->Connected()); }

void SimCard::ListAddress(bool list) {
    list = list && !ip_.empty();
    if (list == listed_) return;
    if (list) {
        SetAdapterAddress(WideToUtf8(Name()), ip_, mask_);
    } else {
        RemoveAdapterAddress(WideToUtf8(Name()));
    }
    listed_ = list;
}

std::optional<FaultSpec> SimCard::TakeFault(const OidCall& call,
                                            std::initializer_list<FaultKind> kinds) {
    for (auto& fault : faults_) {
        if (std::find(kinds.begin(), kinds.end(), fault.kind) == kinds.end()) continue;
        if (!Matches(fault, call)) continue;
        if (fault.times) --*fault.times;
        return fault;
    }
    return std::nullopt;
}

SubmitDecision SimCard::Submit(const OidCall& call) {
    std::lock_guard lock(mutex_);
    if (removed_) return {SubmitDecision::Action::Fail, ERROR_DEVICE_REMOVED};
    // The log serves tests and diagnostics; a long run keeps only the most recent requests,
    // the oldest record's buffer taking the newest's bytes.
    RecordedRequest record;
    if (requests_.size() >= kRequestLogLimit) {
        record = std::move(requests_.front());
        requests_.pop_front();
    }
    record.type = call.type;
    record.oid = call.oid;
    record.data.assign(call.input.begin(), call.input.end());
    record.length = call.length;
    requests_.push_back(std::move(record));
    if (watcher_) watcher_(requests_.back());
    auto fault = TakeFault(call, {FaultKind::SubmitFailure, FaultKind::Pending});
    if (!fault) return {};
    if (fault->kind == FaultKind::Pending) return {SubmitDecision::Action::Pend, 0};
    return {SubmitDecision::Action::Fail, fault->value};
}

OidResult SimCard::Handle(const OidCall& call) {
    std::lock_guard lock(mutex_);
    if (removed_) return OidTable::Failure(ndis::kAdapterRemoved);
    auto fault = TakeFault(call, {FaultKind::Status, FaultKind::Reply, FaultKind::ListCount});
    model_->listCountOverride.reset();
    if (fault && fault->kind == FaultKind::Status) return OidTable::Failure(fault->value);
    if (fault && fault->kind == FaultKind::Reply) {
        OidResult result = OidTable::Reply(fault->data);
        if (result.data.size() > call.length) result.data.resize(call.length);
        result.bytesTransferred = static_cast<DWORD>(result.data.size());
        return result;
    }
    if (fault && fault->kind == FaultKind::ListCount) model_->listCountOverride = fault->value;
    OidResult result = table_.Dispatch(call, model_->Desc().wireless);
    FollowLink();
    return result;
}

void SimCard::Remove() {
    std::lock_guard lock(mutex_);
    removed_ = true;
    FollowLink();
}

bool SimCard::Removed() const {
    std::lock_guard lock(mutex_);
    return removed_;
}

void SimCard::Retire() {
    std::lock_guard lock(mutex_);
    retired_ = true;
    FollowLink();
}

bool SimCard::AddressListed() const {
    std::lock_guard lock(mutex_);
    return listed_;
}

std::vector<RecordedRequest> SimCard::Requests() const {
    std::lock_guard lock(mutex_);
    return {requests_.begin(), requests_.end()};
}

void SimCard::ClearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}

void SimCard::SetRequestWatcher(std::function<void(const RecordedRequest&)> watcher) {
    std::lock_guard lock(mutex_);
    watcher_ = std::move(watcher);
}

void SimCard::AddFault(const FaultSpec& fault) {
    std::lock_guard lock(mutex_);
    faults_.push_back(fault);
}

void SimCard::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}
