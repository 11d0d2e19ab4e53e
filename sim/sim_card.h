// One simulated card behind a bound adapter: its driver settings, link, radio view, traffic,
// registers and EEPROM, answering OID requests. Thread-safe: the protocol driver's worker and
// the test or script thread may use it at the same time.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/oid_call.h"
#include "sim/scenario.h"
#include "sim/traffic_model.h"

class CardModel;
class FaultList;
class OidTable;
class RadioWorld;

struct RecordedRequest {
    DWORD type;  // 0 query, 1 set
    DWORD oid;
    std::vector<BYTE> data;  // set payload, or a query's buffer as received
    DWORD length;            // information buffer length
};

// What the protocol driver does with a submission before the card answers it.
struct SubmitDecision {
    enum class Action { Complete, Pend, Fail } action = Action::Complete;
    DWORD error = 0;  // platform error for Fail
};

class SimCard {
  public:
    // eepromPath: the file that keeps the EEPROM between runs; empty keeps it in memory.
    SimCard(const AdapterSpec& spec, std::shared_ptr<RadioWorld> world, const Scenario& scenario,
            const std::string& eepromPath);
    ~SimCard();
    SimCard(const SimCard&) = delete;
    SimCard& operator=(const SimCard&) = delete;

    const WString& Name() const;
    bool IsWireless() const;
    const AdapterSpec& Spec() const;

    // The driver loads: settings from the scenario and the registry parameters, counters reset,
    // no scan done yet. Hardware state (registers, EEPROM) and the link stay.
    void OnDriverLoad();
    // Records the request and decides whether it completes, pends or fails.
    SubmitDecision Submit(const OidCall& call);
    // Answers the request (at once, or from the worker for a pending one).
    OidResult Handle(const OidCall& call);

    std::vector<RecordedRequest> Requests() const;
    void ClearRequests();

    // State for tests and scripts.
    void SetLink(const LinkSpec& link);
    LinkSpec Link() const;
    void Disconnect(DWORD scanState);
    void SetSignal(int dbm);
    void SetScanState(DWORD code);
    void SetConnectStatus(std::optional<DWORD> status);
    void SetLinkSpeed(DWORD speed);
    void SetTraffic(const TrafficSpec& traffic);
    void AddFault(const FaultSpec& fault);
    void ClearFaults();
    // The register and EEPROM setters return false for an address outside the hardware.
    bool SetMacRegister(DWORD address, DWORD value);
    DWORD MacRegister(DWORD address) const;
    bool SetBasebandRegister(DWORD index, BYTE value);
    BYTE BasebandRegister(DWORD index) const;
    bool SetEepromWord(DWORD address, WORD value);
    WORD EepromWord(DWORD address) const;
    DWORD EepromSize() const;
    // Empty unless the EEPROM file could not be read (then it is neither used nor overwritten).
    std::string EepromFileError() const;
    CardSettings Settings() const;
    // True while a started scan has not completed on the platform clock.
    bool Scanning() const;
    TrafficCounters Traffic() const;

  private:
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::unique_ptr<CardModel> model_;
    std::unique_ptr<OidTable> table_;
    std::unique_ptr<FaultList> faults_;
};
