// One simulated card behind a bound adapter: its model (settings, link, radio view, traffic,
// registers, EEPROM) behind one lock, answering OID requests, with the faults injected into
// them and a log of what arrived. Thread-safe: the protocol driver's worker and the test or
// script thread may use it at the same time.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/core/win_types.h"
#include "sim/card_model.h"
#include "sim/oid_table.h"
#include "sim/scenario.h"

struct RecordedRequest {
    DWORD type = 0;  // 0 query, 1 set
    DWORD oid = 0;
    std::vector<BYTE> data;  // set payload, or a query's buffer as received
    DWORD length = 0;        // information buffer length
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

    const WString& Name() const { return Desc().name; }
    bool IsWireless() const { return Desc().wireless; }
    const AdapterSpec& Desc() const { return model_->Desc(); }

    // Runs fn(CardModel&) with the card's lock held and returns its result (by value). The
    // adapter's address in the IP helper follows the link afterwards. Do not keep references
    // into the model past the call.
    template <typename Fn>
    auto WithCard(Fn&& fn) {
        std::lock_guard lock(mutex_);
        if constexpr (std::is_void_v<std::invoke_result_t<Fn&, CardModel&>>) {
            fn(*model_);
            FollowLink();
        } else {
            auto result = fn(*model_);
            FollowLink();
            return result;
        }
    }

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

    void AddFault(const FaultSpec& fault);
    void ClearFaults();

  private:
    // Lists the address while the card is in, not retired and connected; withdraws it
    // otherwise. Called with the lock held.
    void FollowLink();
    void ListAddress(bool list);
    // The first fault of one of these kinds in force for the request, using up one of its times.
    std::optional<FaultSpec> TakeFault(const OidCall& call, std::initializer_list<FaultKind> kinds);

    mutable std::mutex mutex_;
    static constexpr std::size_t kRequestLogLimit = 4096;
    std::deque<RecordedRequest> requests_;
    std::function<void(const RecordedRequest&)> watcher_;
    std::unique_ptr<CardModel> model_;
    OidTable table_;
    std::vector<FaultSpec> faults_;
    std::string ip_;
    std::string mask_;
    bool listed_ = false;
    bool retired_ = false;
    bool removed_ = false;
};
