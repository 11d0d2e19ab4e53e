// The stream driver behind "RAD4:" as every protocol driver answers it: open contexts with the
// card opened on each, the ten control codes, the attached clients and the registration handle.
// A driver adds where its cards come from and how it answers a request block.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/last_error.h"
#include "platform/core/stream_driver.h"
#include "rad4/rad4_protocol.h"

namespace rad4 {

template <class Card>
class ProtocolDriver : public StreamDriver {
  public:
    // Refused once the driver is shut down.
    DWORD Open(DWORD, DWORD, DWORD) override {
        std::lock_guard lock(mutex_);
        if (shutDown_) {
            SetLastError(ERROR_DEV_NOT_EXIST);
            return 0;
        }
        DWORD context = nextOpen_++;
        opens_[context] = nullptr;
        return context;
    }

    BOOL Close(DWORD openContext) override {
        std::lock_guard lock(mutex_);
        return opens_.erase(openContext) != 0 ? TRUE : Fail(ERROR_INVALID_HANDLE);
    }

    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                   DWORD outSize, DWORD* bytesReturned) override {
        DWORD ignored = 0;
        if (bytesReturned == nullptr) bytesReturned = &ignored;
        *bytesReturned = 0;
        if (in == nullptr) inSize = 0;
        if (out == nullptr) outSize = 0;
        std::shared_ptr<Card> card;
        {
            // The handle's check and its card under one lock: a request takes no second one.
            std::lock_guard lock(mutex_);
            if (shutDown_) return Fail(ERROR_DEVICE_REMOVED);
            auto open = opens_.find(openContext);
            if (open == opens_.end()) return Fail(ERROR_INVALID_HANDLE);
            if (code == kSubmitRequest) card = open->second;
        }
        switch (code) {
            case kGetApiVersion:
                return Word(ApiVersion(), out, outSize, bytesReturned);
            case kAttach:
            case kDetach:
                return Attach(code == kAttach, out, outSize, bytesReturned);
            case kEnumBindings:
                return EnumBindings(out, outSize, bytesReturned);
            case kOpenAdapter:
                return OpenAdapter(openContext, in, inSize);
            case kCloseAdapter:
                return CloseAdapter(openContext);
            case kSubmitRequest:
                return SubmitRequest(card, in, inSize, out, outSize, bytesReturned);
            case kSetRegistration:
                return SetRegistration(in, inSize);
            case kGetRegistration:
                return Word(HeldRegistration(), out, outSize, bytesReturned);
            case kQueryUnload:
                return Word(UnloadAnswer(AttachedClients()), out, outSize, bytesReturned);
        }
        return Fail(ERROR_NOT_SUPPORTED);
    }

    HANDLE HeldRegistration() const {
        std::lock_guard lock(mutex_);
        return registration_;
    }
    int AttachedClients() const {
        std::lock_guard lock(mutex_);
        return attached_;
    }
    std::size_t OpenCount() const {
        std::lock_guard lock(mutex_);
        return opens_.size();
    }

  protected:
    using CardPtr = std::shared_ptr<Card>;

    virtual DWORD ApiVersion() const = 0;
    // What an attach answers; the client counts only when it is 0.
    virtual DWORD AttachStatus() const { return 0; }
    // The bound adapters' names as UTF-16LE bytes, each NUL-terminated, then an empty name.
    virtual std::vector<BYTE> BindingList() const = 0;
    // The byte count an enumeration reports when it copied `copied` bytes.
    virtual DWORD ReportedBindingBytes(DWORD copied) const { return copied; }
    // The card bound under `name`; null when there is none.
    virtual CardPtr FindCard(const WString& name) = 0;
    // Answers the request block in `in`; `card` is the one opened on the submitting handle
    // (null: none).
    virtual BOOL SubmitRequest(const CardPtr& card, const BYTE* in, DWORD inSize, BYTE* out,
                               DWORD outSize, DWORD* bytesReturned) = 0;
    // Unload when no client but the asking one is attached.
    virtual DWORD UnloadAnswer(int attached) const { return attached <= 1 ? 1 : 0; }

    // Later opens and control calls fail.
    void MarkShutDown() {
        std::lock_guard lock(mutex_);
        shutDown_ = true;
    }

    static BOOL Fail(DWORD error) {
        SetLastError(error);
        return FALSE;
    }

    static BOOL Word(DWORD value, BYTE* out, DWORD outSize, DWORD* bytesReturned) {
        if (outSize < sizeof value) return Fail(ERROR_INSUFFICIENT_BUFFER);
        std::memcpy(out, &value, sizeof value);
        *bytesReturned = sizeof value;
        return TRUE;
    }

  private:
    BOOL Attach(bool attach, BYTE* out, DWORD outSize, DWORD* bytesReturned) {
        if (outSize < sizeof(DWORD)) return Fail(ERROR_INSUFFICIENT_BUFFER);
        const DWORD status = attach ? AttachStatus() : 0;
        {
            std::lock_guard lock(mutex_);
            if (attach && status == 0) ++attached_;
            if (!attach && attached_ > 0) --attached_;
        }
        return Word(status, out, outSize, bytesReturned);
    }

    // The list cut to the caller's buffer.
    BOOL EnumBindings(BYTE* out, DWORD outSize, DWORD* bytesReturned) {
        if (outSize == 0) return Fail(ERROR_INSUFFICIENT_BUFFER);
        std::vector<BYTE> list = BindingList();
        DWORD count = std::min(outSize, static_cast<DWORD>(list.size()));
        if (count > 0) std::memcpy(out, list.data(), count);
        *bytesReturned = ReportedBindingBytes(count);
        return TRUE;
    }

    // The input is the adapter's NUL-terminated UTF-16 name.
    BOOL OpenAdapter(DWORD openContext, const BYTE* in, DWORD inSize) {
        if (inSize < 2 || inSize % 2 != 0) return Fail(ERROR_INVALID_PARAMETER);
        WString units(inSize / 2, u'\0');
        std::memcpy(units.data(), in, inSize);
        auto end = units.find(u'\0');
        if (end == WString::npos) return Fail(ERROR_INVALID_PARAMETER);
        CardPtr card = FindCard(units.substr(0, end));
        if (!card) return Fail(ERROR_FILE_NOT_FOUND);
        std::lock_guard lock(mutex_);
        auto open = opens_.find(openContext);
        if (open == opens_.end()) return Fail(ERROR_INVALID_HANDLE);
        open->second = std::move(card);
        return TRUE;
    }

    BOOL CloseAdapter(DWORD openContext) {
        std::lock_guard lock(mutex_);
        auto open = opens_.find(openContext);
        if (open == opens_.end() || !open->second) return Fail(ERROR_INVALID_HANDLE);
        open->second.reset();
        return TRUE;
    }

    BOOL SetRegistration(const BYTE* in, DWORD inSize) {
        if (inSize < sizeof(HANDLE)) return Fail(ERROR_INVALID_PARAMETER);
        std::lock_guard lock(mutex_);
        std::memcpy(&registration_, in, sizeof(HANDLE));
        return TRUE;
    }

    mutable std::mutex mutex_;
    std::map<DWORD, CardPtr> opens_;  // null card until an adapter is opened
    DWORD nextOpen_ = 1;
    HANDLE registration_ = 0;
    int attached_ = 0;
    bool shutDown_ = false;
};

}  // namespace rad4
