#include "sim/sim_card.h"

#include <utility>

#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "sim/card_address.h"
#include "sim/card_model.h"
#include "sim/card_oids.h"
#include "sim/fault_list.h"
#include "sim/oid_table.h"
#include "sim/radio_world.h"
#include "sim/sim_oids.h"

SimCard::SimCard(const AdapterSpec& desc, std::shared_ptr<RadioWorld> world,
                 const Scenario& scenario, const std::string& eepromPath,
                 const std::string& ipAddress)
    : model_(std::make_unique<CardModel>(desc, std::move(world), scenario, eepromPath)),
      table_(std::make_unique<OidTable>()),
      faults_(std::make_unique<FaultList>()),
      address_(std::make_unique<CardAddress>(WideToUtf8(desc.name), ipAddress, desc.ipMask)) {
    AddGeneralOids(*table_, *model_);
    AddStationOids(*table_, *model_);
    AddLinkOids(*table_, *model_);
    AddDiagnosticOids(*table_, *model_);
    for (const auto& fault : desc.faults) faults_->Add(fault);
    FollowLink();
}

SimCard::~SimCard() = default;

const WString& SimCard::Name() const { return model_->Desc().name; }

bool SimCard::IsWireless() const { return model_->Desc().wireless; }

const AdapterSpec& SimCard::Desc() const { return model_->Desc(); }

void SimCard::OnDriverLoad() {
    std::lock_guard lock(mutex_);
    model_->LoadDriver(GetTickCount());
    FollowLink();
}

void SimCard::FollowLink() { address_->Follow(!removed_ && model_->Connected()); }

SubmitDecision SimCard::Submit(const OidCall& call) {
    std::lock_guard lock(mutex_);
    if (removed_) return {SubmitDecision::Action::Fail, ERROR_DEVICE_REMOVED};
    // The log serves tests and diagnostics; a long run keeps only the most recent requests.
    if (requests_.size() >= kRequestLogLimit) requests_.erase(requests_.begin());
    requests_.push_back(RecordedRequest{call.type, call.oid, call.input, call.length});
    if (watcher_) watcher_(requests_.back());
    auto fault = faults_->Take(call, {FaultKind::SubmitFailure, FaultKind::Pending});
    if (!fault) return {};
    if (fault->kind == FaultKind::Pending) return {SubmitDecision::Action::Pend, 0};
    return {SubmitDecision::Action::Fail, fault->value};
}

OidResult SimCard::Handle(const OidCall& call) {
    std::lock_guard lock(mutex_);
    if (removed_) return OidTable::Failure(ndis::kAdapterRemoved);
    auto fault = faults_->Take(call, {FaultKind::Status, FaultKind::Reply, FaultKind::ListCount});
    model_->listCountOverride.reset();
    if (fault && fault->kind == FaultKind::Status) return OidTable::Failure(fault->value);
    if (fault && fault->kind == FaultKind::Reply) {
        OidResult result = OidTable::Reply(fault->data);
        if (result.data.size() > call.length) result.data.resize(call.length);
        result.bytesTransferred = static_cast<DWORD>(result.data.size());
        return result;
    }
    if (fault && fault->kind == FaultKind::ListCount) model_->listCountOverride = fault->value;
    OidResult result = table_->Dispatch(call, model_->Desc().wireless);
    FollowLink();
    return result;
}

void SimCard::Remove() {
    std::lock_guard lock(mutex_);
    removed_ = true;
    address_->Retire();
}

bool SimCard::Removed() const {
    std::lock_guard lock(mutex_);
    return removed_;
}

void SimCard::Retire() {
    std::lock_guard lock(mutex_);
    address_->Retire();
}

bool SimCard::AddressListed() const {
    std::lock_guard lock(mutex_);
    return address_->Listed();
}

std::vector<RecordedRequest> SimCard::Requests() const {
    std::lock_guard lock(mutex_);
    return {requests_.begin(), requests_.end()};
}

void SimCard::SetRequestWatcher(std::function<void(const RecordedRequest&)> watcher) {
    std::lock_guard lock(mutex_);
    watcher_ = std::move(watcher);
}

void SimCard::ClearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}

void SimCard::SetLink(const LinkSpec& link) {
    std::lock_guard lock(mutex_);
    model_->SetLink(link, GetTickCount());
    FollowLink();
}

LinkSpec SimCard::Link() const {
    std::lock_guard lock(mutex_);
    return model_->Link();
}

void SimCard::Disconnect(DWORD scanState) {
    std::lock_guard lock(mutex_);
    model_->Disassociate(scanState, GetTickCount());
    FollowLink();
}

void SimCard::LinkDown() {
    std::lock_guard lock(mutex_);
    model_->LinkDown(GetTickCount());
    FollowLink();
}

bool SimCard::LinkUp() {
    std::lock_guard lock(mutex_);
    bool up = model_->LinkUp(GetTickCount());
    FollowLink();
    return up;
}

void SimCard::SetSignal(int dbm) {
    std::lock_guard lock(mutex_);
    model_->SetSignal(dbm, GetTickCount());
}

void SimCard::RestartCounters() {
    std::lock_guard lock(mutex_);
    model_->RestartCounters(GetTickCount());
}

void SimCard::SetScanState(DWORD code, std::optional<MacAddress> bssid) {
    std::lock_guard lock(mutex_);
    model_->SetScanState(code);
    if (bssid) model_->SetBssid(*bssid);
}

void SimCard::SetConnectStatus(std::optional<DWORD> status) {
    std::lock_guard lock(mutex_);
    model_->SetConnectStatus(status);
}

void SimCard::SetLinkSpeed(DWORD speed) {
    std::lock_guard lock(mutex_);
    model_->SetLinkSpeed(speed);
}

void SimCard::SetTraffic(const TrafficSpec& traffic) {
    std::lock_guard lock(mutex_);
    model_->SetTraffic(traffic, GetTickCount());
}

void SimCard::AddFault(const FaultSpec& fault) {
    std::lock_guard lock(mutex_);
    faults_->Add(fault);
}

void SimCard::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_->Clear();
}

bool SimCard::SetMacRegister(DWORD address, DWORD value) {
    std::lock_guard lock(mutex_);
    return model_->registers.SetMac(address, value);
}

DWORD SimCard::MacRegister(DWORD address) const {
    std::lock_guard lock(mutex_);
    return model_->registers.Mac(address);
}

bool SimCard::SetBasebandRegister(DWORD index, BYTE value) {
    std::lock_guard lock(mutex_);
    return model_->registers.SetBaseband(index, value);
}

BYTE SimCard::BasebandRegister(DWORD index) const {
    std::lock_guard lock(mutex_);
    return model_->registers.Baseband(index);
}

bool SimCard::SetEepromWord(DWORD address, WORD value) {
    std::lock_guard lock(mutex_);
    return model_->eeprom.Write(address, value);
}

WORD SimCard::EepromWord(DWORD address) const {
    std::lock_guard lock(mutex_);
    WORD value = 0;
    model_->eeprom.Read(address, &value);
    return value;
}

DWORD SimCard::EepromSize() const {
    std::lock_guard lock(mutex_);
    return model_->eeprom.SizeBytes();
}

std::string SimCard::EepromFileError() const {
    std::lock_guard lock(mutex_);
    return model_->eeprom.FileError();
}

CardSettings SimCard::Settings() const {
    std::lock_guard lock(mutex_);
    return model_->settings;
}

bool SimCard::Scanning() const {
    std::lock_guard lock(mutex_);
    return model_->Scanning(GetTickCount());
}

TrafficCounters SimCard::Traffic() const {
    std::lock_guard lock(mutex_);
    return model_->Traffic(GetTickCount());
}
