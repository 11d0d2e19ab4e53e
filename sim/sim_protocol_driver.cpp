#include "sim/sim_protocol_driver.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <optional>
#include <string_view>
#include <thread>

#include "platform/core/caller_pointer.h"
#include "platform/core/clock.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"
#include "platform/core/spin.h"
#include "rad4/rad4_protocol.h"
#include "rad4/request_record.h"
#include "sim/sim_card.h"

namespace {

constexpr DWORD kDeviceContext = 1;

void PutUnit(std::vector<BYTE>& bytes, char16_t unit) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
}

BYTE* Block(DWORD token) { return static_cast<BYTE*>(MapCallerPtr(token, rad4::kBlockSize)); }

// A request block as the driver reads it at submission: the block is found through the token
// in its event name, the information buffer through the token in the request record. Nothing
// outside the mapped sizes is ever read or written.
class SubmittedRequest {
  public:
    // Reads the block behind the submit call's input. Nothing when the input is too short, the
    // event name is not the driver's, or the block or the buffer does not map.
    static std::optional<SubmittedRequest> Read(const BYTE* in, DWORD inSize);

    const OidCall& Call() const { return call_; }
    std::u16string_view EventName() const { return {eventName_.data(), nameLength_}; }
    // Writes the result into the buffer and the request record; false when the block no
    // longer maps (the caller gave it up).
    bool Complete(const OidResult& result) const;
    // The same while the submit call that read the request is still running: the caller is
    // blocked in that call, so the block and the buffer mapped at the read are still there.
    void CompleteInCall(const OidResult& result) const { Write(block_, buffer_, result); }
    // Signals the block's named event; false when it no longer exists.
    bool Signal() const;

  private:
    void Write(BYTE* block, BYTE* buffer, const OidResult& result) const;

    DWORD blockToken_ = 0;
    DWORD bufferToken_ = 0;
    BYTE* block_ = nullptr;   // as mapped at the read
    BYTE* buffer_ = nullptr;  // as mapped at the read; null for an empty buffer
    // NUL-terminated; Read fills all of it before anything reads it.
    std::array<char16_t, rad4::kEventNameUnits> eventName_;
    std::size_t nameLength_ = 0;
    OidCall call_;
};

std::optional<SubmittedRequest> SubmittedRequest::Read(const BYTE* in, DWORD inSize) {
    if (in == nullptr || inSize < rad4::kDeclaredSize) return std::nullopt;
    SubmittedRequest request;
    auto& units = request.eventName_;
    std::memcpy(units.data(), in + rad4::kEventNameOffset, sizeof units);
    auto end = std::find(units.begin(), units.end(), u'\0');
    if (end == units.end()) return std::nullopt;
    request.nameLength_ = static_cast<std::size_t>(end - units.begin());
    auto token = rad4::BlockTokenOf(request.EventName());
    BYTE* block = token ? Block(*token) : nullptr;
    if (block == nullptr) return std::nullopt;
    request.blockToken_ = *token;
    request.block_ = block;
    const BYTE* record = block + rad4::kRecordOffset;
    request.call_.type = rad4::ReadField(record, rad4::kTypeField);
    request.call_.oid = rad4::ReadField(record, rad4::kOidField);
    request.call_.length = rad4::ReadField(record, rad4::kLengthField);
    request.bufferToken_ = rad4::ReadField(record, rad4::kBufferField);
    if (request.call_.length > 0) {
        auto* buffer = static_cast<BYTE*>(MapCallerPtr(request.bufferToken_, request.call_.length));
        if (buffer == nullptr) return std::nullopt;
        request.buffer_ = buffer;
        request.call_.input.assign(buffer, buffer + request.call_.length);
    }
    return request;
}

bool SubmittedRequest::Complete(const OidResult& result) const {
    // The caller may have given the request up while it was pending: map both again.
    BYTE* block = Block(blockToken_);
    if (block == nullptr) return false;
    BYTE* buffer = nullptr;
    if (call_.length > 0 && !result.data.empty()) {
        buffer = static_cast<BYTE*>(MapCallerPtr(bufferToken_, call_.length));
        if (buffer == nullptr) return false;
    }
    Write(block, buffer, result);
    return true;
}

void SubmittedRequest::Write(BYTE* block, BYTE* buffer, const OidResult& result) const {
    DWORD copied = std::min<DWORD>(static_cast<DWORD>(result.data.size()), call_.length);
    if (copied > 0) std::memcpy(buffer, result.data.data(), copied);
    BYTE* record = block + rad4::kRecordOffset;
    rad4::WriteField(record, rad4::kStatusField, result.status);
    rad4::WriteField(record, rad4::kTransferredField,
                     std::min(result.bytesTransferred, call_.length));
    rad4::WriteField(record, rad4::kNeededField, result.bytesNeeded);
}

bool SubmittedRequest::Signal() const {
    HANDLE event = OpenEvent(EVENT_ALL_ACCESS, FALSE, eventName_.data());
    if (event == 0) return false;
    BOOL set = SetEvent(event);
    CloseHandle(event);
    return set != FALSE;
}

}  // namespace

// The driver's worker thread: completes pending requests a short real-time delay after they
// were submitted (the caller's thread is blocked in its wait meanwhile, so the virtual clock
// cannot move).
class SimProtocolDriver::Completer {
  public:
    explicit Completer(DWORD delayMs) : delay_(delayMs) {}
    ~Completer() { Stop(); }

    // Queues a completion; false once stopped.
    bool Post(std::function<void()> completion);
    // Runs every queued completion at once and joins the worker.
    void Stop();
    std::size_t Queued() const {
        std::lock_guard lock(mutex_);
        return queue_.size();
    }

  private:
    using Clock = std::chrono::steady_clock;
    void Run();

    std::chrono::milliseconds delay_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<Clock::time_point, std::function<void()>>> queue_;
    std::atomic<std::size_t> posted_{0};  // completions posted so far; read while spinning
    std::thread worker_;
    bool stopping_ = false;
};

bool SimProtocolDriver::Completer::Post(std::function<void()> completion) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return false;
        queue_.emplace_back(Clock::now() + delay_, std::move(completion));
        posted_.fetch_add(1, std::memory_order_release);
        if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
    return true;
}

void SimProtocolDriver::Completer::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void SimProtocolDriver::Completer::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (queue_.empty()) {
            if (stopping_) return;
            // Requests often come back to back: watch for the next one a moment before sleeping.
            const std::size_t seen = posted_.load(std::memory_order_acquire);
            lock.unlock();
            SpinWhile([&] { return posted_.load(std::memory_order_acquire) == seen; });
            lock.lock();
            if (queue_.empty() && !stopping_) changed_.wait(lock);
            continue;
        }
        auto due = queue_.front().first;
        if (!stopping_ && Clock::now() < due) {
            changed_.wait_until(lock, due);
            continue;
        }
        auto completion = std::move(queue_.front().second);
        queue_.pop_front();
        lock.unlock();
        completion();
        lock.lock();
    }
}

SimProtocolDriver::SimProtocolDriver(const ProtocolDriverSpec& desc,
                                     std::vector<std::shared_ptr<SimCard>> cards,
                                     UnloadCallback onUnload)
    : desc_(desc),
      cards_(std::move(cards)),
      onUnload_(std::move(onUnload)),
      completer_(std::make_unique<Completer>(desc.pendingDelayMs)) {}

SimProtocolDriver::~SimProtocolDriver() { Shutdown(); }

DWORD SimProtocolDriver::Init(DWORD) {
    if (desc_.registrationFails) {
        SetLastError(desc_.registrationError);
        return 0;
    }
    for (const auto& card : cards_) {
        card->WithCard([](CardModel& model) { model.LoadDriver(GetTickCount()); });
    }
    return kDeviceContext;
}

BOOL SimProtocolDriver::Deinit(DWORD) {
    Shutdown();
    UnloadCallback onUnload;
    {
        std::lock_guard lock(ownerMutex_);
        onUnload = onUnload_;
    }
    if (onUnload) onUnload(this);
    return TRUE;
}

void SimProtocolDriver::ForgetOwner() {
    std::lock_guard lock(ownerMutex_);
    onUnload_ = nullptr;
}

void SimProtocolDriver::Shutdown() {
    MarkShutDown();
    completer_->Stop();
}

std::vector<BYTE> SimProtocolDriver::BindingList() const {
    std::vector<BYTE> bytes;
    if (desc_.rawBindings) {
        for (char16_t unit : *desc_.rawBindings) PutUnit(bytes, unit);
        return bytes;
    }
    for (const auto& card : cards_) {
        if (card->Removed()) continue;  // a pulled card is no longer bound
        for (char16_t unit : card->Name()) PutUnit(bytes, unit);
        PutUnit(bytes, 0);
    }
    PutUnit(bytes, 0);
    return bytes;
}

SimProtocolDriver::CardPtr SimProtocolDriver::FindCard(const WString& name) {
    for (const auto& card : cards_) {
        if (card->Name() == name && !card->Removed()) return card;
    }
    return nullptr;
}

BOOL SimProtocolDriver::SubmitRequest(const CardPtr& card, const BYTE* in, DWORD inSize, BYTE* out,
                                      DWORD outSize, DWORD* bytesReturned) {
    if (!card) return Fail(ERROR_INVALID_HANDLE);
    if (inSize < rad4::kDeclaredSize) return Fail(ERROR_INVALID_PARAMETER);
    if (outSize < rad4::kSubmitStatusOffset + 4) return Fail(ERROR_INSUFFICIENT_BUFFER);
    auto request = SubmittedRequest::Read(in, inSize);
    if (!request) return Fail(ERROR_INVALID_PARAMETER);
    SubmitDecision decision = card->Submit(request->Call());
    DWORD status = rad4::kSubmitCompleted;
    if (decision.action == SubmitDecision::Action::Fail) {
        return Fail(decision.error != 0 ? decision.error : ERROR_GEN_FAILURE);
    }
    if (decision.action == SubmitDecision::Action::Pend) {
        bool queued = completer_->Post([card, request = *request] {
            if (request.Complete(card->Handle(request.Call()))) request.Signal();
        });
        if (!queued) return Fail(ERROR_DEVICE_REMOVED);
        status = rad4::kSubmitPending;
    } else {
        request->CompleteInCall(card->Handle(request->Call()));
    }
    std::memcpy(out + rad4::kSubmitStatusOffset, &status, sizeof status);
    *bytesReturned = std::min(outSize, rad4::kDeclaredSize);
    return TRUE;
}

std::size_t SimProtocolDriver::QueuedCompletions() const { return completer_->Queued(); }
