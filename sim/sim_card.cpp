#include "sim/sim_card.h"

#include "sim/card_model.h"
#include "sim/oid_table.h"
#include "sim/radio_world.h"

namespace {
AdapterSpec g_spec;
}

SimCard::SimCard(const AdapterSpec&, std::shared_ptr<RadioWorld>, DWORD) {}
SimCard::~SimCard() = default;
const WString& SimCard::Name() const { return g_spec.name; }
bool SimCard::IsWireless() const { return true; }
const AdapterSpec& SimCard::Spec() const { return g_spec; }
void SimCard::OnDriverLoad() {}
SubmitDecision SimCard::Submit(const OidCall&) { return {}; }
OidResult SimCard::Handle(const OidCall&) { return {}; }
std::vector<RecordedRequest> SimCard::Requests() const { return requests_; }
void SimCard::ClearRequests() {}
void SimCard::SetLink(const LinkSpec&) {}
LinkSpec SimCard::Link() const { return {}; }
void SimCard::Disconnect(DWORD) {}
void SimCard::SetSignal(int) {}
void SimCard::SetScanState(DWORD) {}
void SimCard::SetConnectStatus(std::optional<DWORD>) {}
void SimCard::SetLinkSpeed(DWORD) {}
void SimCard::SetTraffic(const TrafficSpec&) {}
void SimCard::AddFault(const FaultSpec&) {}
void SimCard::ClearFaults() {}
void SimCard::SetMacRegister(DWORD, DWORD) {}
DWORD SimCard::MacRegister(DWORD) const { return 0; }
void SimCard::SetBasebandRegister(DWORD, BYTE) {}
BYTE SimCard::BasebandRegister(DWORD) const { return 0; }
void SimCard::SetEepromWord(DWORD, WORD) {}
WORD SimCard::EepromWord(DWORD) const { return 0; }
DWORD SimCard::EepromSize() const { return 0; }
std::string SimCard::EepromFileError() const { return {}; }
CardSettings SimCard::Settings() const { return {}; }
bool SimCard::Scanning() const { return false; }
