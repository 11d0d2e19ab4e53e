#include "sim/sim_protocol_driver.h"

#include <algorithm>
#include <cstring>

#include "platform/core/last_error.h"
#include "sim/pending_completer.h"
#include "sim/rad4_protocol.h"
#include "sim/sim_card.h"
#include "sim/submitted_request.h"

namespace {

constexpr DWORD kDeviceContext = 1;

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

void PutUnit(std::vector<BYTE>& bytes, char16_t unit) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
}

}  // namespace

SimProtocolDriver::SimProtocolDriver(const ProtocolDriverSpec& desc,
                                     std::vector<std::shared_ptr<SimCard>> cards,
                                     UnloadCallback onUnload)
    : desc_(desc),
      cards_(std::move(cards)),
      onUnload_(std::move(onUnload)),
      completer_(std::make_unique<PendingCompleter>(desc.pendingDelayMs)) {}

SimProtocolDriver::~SimProtocolDriver() { Shutdown(); }

DWORD SimProtocolDriver::Init(DWORD) {
    if (desc_.registrationFails) {
        SetLastError(desc_.registrationError);
        return 0;
    }
    for (const auto& card : cards_) card->OnDriverLoad();
    return kDeviceContext;
}

BOOL SimProtocolDriver::Deinit(DWORD) {
    Shutdown();
    UnloadCallback onUnload;
    {
        std::lock_guard lock(mutex_);
        onUnload = onUnload_;
    }
    if (onUnload) onUnload(this);
    return TRUE;
}

void SimProtocolDriver::ForgetOwner() {
    std::lock_guard lock(mutex_);
    onUnload_ = nullptr;
}

void SimProtocolDriver::Shutdown() {
    {
        std::lock_guard lock(mutex_);
        shutDown_ = true;
    }
    completer_->Stop();
}

DWORD SimProtocolDriver::Open(DWORD, DWORD, DWORD) {
    std::lock_guard lock(mutex_);
    if (shutDown_) {
        SetLastError(ERROR_DEV_NOT_EXIST);
        return 0;
    }
    DWORD context = nextOpen_++;
    opens_[context] = OpenContext{};
    return context;
}

BOOL SimProtocolDriver::Close(DWORD openContext) {
    std::lock_guard lock(mutex_);
    return opens_.erase(openContext) != 0 ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

BOOL SimProtocolDriver::IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize,
                                  BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    DWORD ignored = 0;
    if (bytesReturned == nullptr) bytesReturned = &ignored;
    *bytesReturned = 0;
    if (in == nullptr) inSize = 0;
    if (out == nullptr) outSize = 0;
    {
        std::lock_guard lock(mutex_);
        if (shutDown_) return Fail(ERROR_DEVICE_REMOVED);
        if (opens_.count(openContext) == 0) return Fail(ERROR_INVALID_HANDLE);
    }
    switch (code) {
        case rad4::kGetApiVersion:
            return Word(desc_.apiVersion, out, outSize, bytesReturned);
        case rad4::kAttach:
            return Attach(out, outSize, bytesReturned);
        case rad4::kDetach:
            return Detach(out, outSize, bytesReturned);
        case rad4::kEnumBindings:
            return EnumBindings(out, outSize, bytesReturned);
        case rad4::kOpenAdapter:
            return OpenAdapter(openContext, in, inSize);
        case rad4::kCloseAdapter:
            return CloseAdapter(openContext);
        case rad4::kSubmitRequest:
            return SubmitRequest(openContext, in, inSize, out, outSize, bytesReturned);
        case rad4::kSetRegistration:
            return SetRegistration(in, inSize);
        case rad4::kGetRegistration:
            return Word(HeldRegistration(), out, outSize, bytesReturned);
        case rad4::kQueryUnload:
            return Word(UnloadAnswer(), out, outSize, bytesReturned);
    }
    return Fail(ERROR_NOT_SUPPORTED);
}

BOOL SimProtocolDriver::Word(DWORD value, BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize < sizeof value) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(out, &value, sizeof value);
    *bytesReturned = sizeof value;
    return TRUE;
}

BOOL SimProtocolDriver::Attach(BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize < 4) return Fail(ERROR_INSUFFICIENT_BUFFER);
    if (desc_.attachStatus == 0) {
        std::lock_guard lock(mutex_);
        ++attached_;
    }
    return Word(desc_.attachStatus, out, outSize, bytesReturned);
}

BOOL SimProtocolDriver::Detach(BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize < 4) return Fail(ERROR_INSUFFICIENT_BUFFER);
    {
        std::lock_guard lock(mutex_);
        if (attached_ > 0) --attached_;
    }
    return Word(0, out, outSize, bytesReturned);
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

BOOL SimProtocolDriver::EnumBindings(BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize == 0) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::vector<BYTE> list = BindingList();
    DWORD count = std::min(outSize, static_cast<DWORD>(list.size()));
    if (count > 0) std::memcpy(out, list.data(), count);
    *bytesReturned = desc_.reportedBindingBytes.value_or(count);
    return TRUE;
}

std::shared_ptr<SimCard> SimProtocolDriver::FindCard(const WString& name) const {
    for (const auto& card : cards_) {
        if (card->Name() == name && !card->Removed()) return card;
    }
    return nullptr;
}

BOOL SimProtocolDriver::OpenAdapter(DWORD openContext, const BYTE* in, DWORD inSize) {
    if (inSize < 2 || inSize % 2 != 0) return Fail(ERROR_INVALID_PARAMETER);
    WString units(inSize / 2, u'\0');
    std::memcpy(units.data(), in, inSize);
    auto end = units.find(u'\0');
    if (end == WString::npos) return Fail(ERROR_INVALID_PARAMETER);
    auto card = FindCard(units.substr(0, end));
    if (!card) return Fail(ERROR_FILE_NOT_FOUND);
    std::lock_guard lock(mutex_);
    opens_[openContext].adapter = card;
    return TRUE;
}

BOOL SimProtocolDriver::CloseAdapter(DWORD openContext) {
    std::lock_guard lock(mutex_);
    auto& open = opens_[openContext];
    if (!open.adapter) return Fail(ERROR_INVALID_HANDLE);
    open.adapter.reset();
    return TRUE;
}

BOOL SimProtocolDriver::SetRegistration(const BYTE* in, DWORD inSize) {
    if (inSize < sizeof(HANDLE)) return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard lock(mutex_);
    std::memcpy(&heldRegistration_, in, sizeof(HANDLE));
    return TRUE;
}

BOOL SimProtocolDriver::SubmitRequest(DWORD openContext, const BYTE* in, DWORD inSize, BYTE* out,
                                      DWORD outSize, DWORD* bytesReturned) {
    std::shared_ptr<SimCard> card;
    {
        std::lock_guard lock(mutex_);
        card = opens_[openContext].adapter;
    }
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
    } else if (!request->Complete(card->Handle(request->Call()))) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    std::memcpy(out + rad4::kSubmitStatusOffset, &status, sizeof status);
    *bytesReturned = std::min(outSize, rad4::kDeclaredSize);
    return TRUE;
}

DWORD SimProtocolDriver::UnloadAnswer() const {
    std::lock_guard lock(mutex_);
    // Unload when no client but the asking one is attached.
    return desc_.unloadAnswer.value_or(attached_ <= 1 ? 1 : 0);
}

HANDLE SimProtocolDriver::HeldRegistration() const {
    std::lock_guard lock(mutex_);
    return heldRegistration_;
}

int SimProtocolDriver::AttachedClients() const {
    std::lock_guard lock(mutex_);
    return attached_;
}

std::size_t SimProtocolDriver::OpenCount() const {
    std::lock_guard lock(mutex_);
    return opens_.size();
}

std::size_t SimProtocolDriver::QueuedCompletions() const { return completer_->Queued(); }
