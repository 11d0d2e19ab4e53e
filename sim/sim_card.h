// One simulated card behind a bound adapter: its driver settings, link, radio view, traffic,
// registers and EEPROM, answering OID requests. Thread-safe: the protocol driver's worker and
// the test or script thread may use it at the same time.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/oid_call.h"
#include "sim/scenario.h"
#include "sim/traffic_model.h"

class CardAddress;
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
    // ipAddress: listed in the IP helper while the link is up; empty: never listed.
    SimCard(const AdapterSpec& desc, std::shared_ptr<RadioWorld> world, const Scenario& scenario,
            const std::string& eepromPath, const std::string& ipAddress = {});
    ~SimCard();
    SimCard(const SimCard&) = delete;
    SimCard& operator=(const SimCard&) = delete;

    const WString& Name() const;
    bool IsWireless() const;
    const AdapterSpec& Desc() const;

    // The driver loads: settings from the scenario and the registry parameters, counters reset,
    // no scan done yet. Hardware state (registers, EEPROM) and the link stay.
    void OnDriverLoad();
    // Records the request and decides whether it completes, pends or fails. A removed card
    // takes no request: the device call fails with ERROR_DEVICE_REMOVED.
    SubmitDecision Submit(const OidCall& call);
    // Answers the request (at once, or from the worker for a pending one). A request that was
    // pending when the card was removed completes with NDIS status 0xC0010018.
    OidResult Handle(const OidCall& call);

    // The card is pulled out: it answers nothing more and its address leaves the IP helper.
    void Remove();
    bool Removed() const;
    // Its host is going: the address leaves the IP helper for good.
    void Retire();
    // Whether the IP helper lists the adapter's address now.
    bool AddressListed() const;

    std::vector<RecordedRequest> Requests() const;
    void ClearRequests();
    // Called with each request as it arrives, before the card answers it (tests: what else
    // had happened by then). Null removes it.
    void SetRequestWatcher(std::function<void(const RecordedRequest&)> watcher);

    // State for tests and scripts.
    void SetLink(const LinkSpec& link);
    LinkSpec Link() const;
    void Disconnect(DWORD scanState);
    // The link drops with the scenario's scan state, or comes back (false: no network to join).
    void LinkDown();
    bool LinkUp();
    // The link's signal: the walk starts again from this level now.
    void SetSignal(int dbm);
    // The traffic counters start again from 0 (a driver reload or the card reinserted).
    void RestartCounters();
    // The scan-state code; with a BSSID, also the BSSID the card reports from now on.
    void SetScanState(DWORD code, std::optional<MacAddress> bssid = std::nullopt);
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
    // Lists or withdraws the address after a change of the link; called with the lock held.
    void FollowLink();

    mutable std::mutex mutex_;
    static constexpr std::size_t kRequestLogLimit = 4096;
    std::deque<RecordedRequest> requests_;
    std::function<void(const RecordedRequest&)> watcher_;
    std::unique_ptr<CardModel> model_;
    std::unique_ptr<OidTable> table_;
    std::unique_ptr<FaultList> faults_;
    std::unique_ptr<CardAddress> address_;
    bool removed_ = false;
};
