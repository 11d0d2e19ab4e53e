// A scriptable protocol driver for the fuzz targets: it records every control code it receives
// and answers as the target tells it, down to odd binding lists and lying lengths.
#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/driver_contract.h"
#include "link/oid_request.h"
#include "platform/core/caller_pointer.h"
#include "platform/core/device_manager.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"

struct FakeCall {
    DWORD code;
    std::vector<BYTE> input;
};

// What the fake answers to one OID: status, bytes to copy, transferred/needed counts.
struct FakeOidAnswer {
    FakeOidAnswer(DWORD status = 0, std::vector<BYTE> data = {}, DWORD bytesTransferred = 0,
                  DWORD bytesNeeded = 0)
        : status(status),
          data(std::move(data)),
          bytesTransferred(bytesTransferred),
          bytesNeeded(bytesNeeded) {}
    DWORD status;
    std::vector<BYTE> data;
    DWORD bytesTransferred;
    DWORD bytesNeeded;
    bool pend = false;
};

class FakeDriver : public StreamDriver {
  public:
    DWORD apiVersion = RAD4_LIBRARY_API_VERSION;
    DWORD attachStatus = 0;
    std::vector<BYTE> bindings;  // raw bytes of the list
    std::vector<std::u16string> openable;
    std::map<std::pair<std::u16string, DWORD>, FakeOidAnswer> answers;
    std::optional<FakeOidAnswer> otherAnswer;  // for an OID without an entry in answers
    std::optional<DWORD> bindingsReturned;     // a count reported instead of the bytes copied
    DWORD unloadWord = 1;
    DWORD heldRegistration = 0;
    std::vector<FakeCall> calls;
    std::vector<std::vector<BYTE>> submittedBlocks;  // full 152 bytes seen at submission
    std::vector<std::thread> workers;

    ~FakeDriver() override { JoinWorkers(); }
    void JoinWorkers() {
        for (auto& w : workers) w.join();
        workers.clear();
    }

    void SetBindings(const std::vector<std::u16string>& names) {
        bindings.clear();
        for (const auto& n : names) AppendUnits(n, true);
        AppendUnits(u"", true);
    }
    void AppendUnits(const std::u16string& text, bool terminate) {
        for (char16_t c : text) Push(c);
        if (terminate) Push(0);
    }
    std::size_t CountCalls(DWORD code) const {
        std::size_t n = 0;
        for (const auto& c : calls) n += c.code == code ? 1 : 0;
        return n;
    }

    DWORD Init(DWORD) override { return 1; }
    BOOL Deinit(DWORD) override { return TRUE; }
    DWORD Open(DWORD, DWORD, DWORD) override { return ++opens; }
    BOOL Close(DWORD open) override {
        adapters.erase(open);
        return TRUE;
    }
    BOOL IOControl(DWORD open, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* returned) override {
        calls.push_back({code, std::vector<BYTE>(in, in + inSize)});
        switch (code) {
            case IOCTL_RAD4_GET_API_VERSION:
                return Word(apiVersion, out, outSize, returned);
            case IOCTL_RAD4_ATTACH:
                return Word(attachStatus, out, outSize, returned);
            case IOCTL_RAD4_DETACH:
                return Word(0, out, outSize, returned);
            case IOCTL_RAD4_QUERY_UNLOAD:
                return Word(unloadWord, out, outSize, returned);
            case IOCTL_RAD4_GET_REGISTRATION:
                return Word(heldRegistration, out, outSize, returned);
            case IOCTL_RAD4_SET_REGISTRATION:
                std::memcpy(&heldRegistration, in, 4);
                return TRUE;
            case IOCTL_RAD4_ENUM_BINDINGS: {
                DWORD n = std::min<DWORD>(outSize, static_cast<DWORD>(bindings.size()));
                if (n > 0) std::memcpy(out, bindings.data(), n);
                *returned = bindingsReturned.value_or(n);
                return TRUE;
            }
            case IOCTL_RAD4_OPEN_ADAPTER:
                return OpenAdapter(open, in, inSize);
            case IOCTL_RAD4_CLOSE_ADAPTER:
                return TRUE;
            case IOCTL_RAD4_SUBMIT_REQUEST:
                return Submit(open, out);
        }
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }

  private:
    void Push(char16_t c) {
        bindings.push_back(static_cast<BYTE>(c & 0xFF));
        bindings.push_back(static_cast<BYTE>(c >> 8));
    }
    static BOOL Word(DWORD value, BYTE* out, DWORD outSize, DWORD* returned) {
        if (outSize < 4) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        std::memcpy(out, &value, 4);
        *returned = 4;
        return TRUE;
    }
    BOOL OpenAdapter(DWORD open, const BYTE* in, DWORD inSize) {
        std::u16string name(reinterpret_cast<const char16_t*>(in), inSize / 2);
        if (!name.empty() && name.back() == 0) name.pop_back();
        for (const auto& n : openable) {
            if (n == name) {
                adapters[open] = name;
                return TRUE;
            }
        }
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    static RequestBlock* BlockFromName(const BYTE* block) {
        const auto* name = reinterpret_cast<const char16_t*>(block + 12);
        std::string text;
        for (int i = 0; i < 32 && name[i] != 0; ++i) text.push_back(static_cast<char>(name[i]));
        DWORD token = static_cast<DWORD>(std::stoul(text.substr(text.size() - 8), nullptr, 16));
        return static_cast<RequestBlock*>(MapCallerPtr(token, sizeof(RequestBlock)));
    }
    BOOL Submit(DWORD open, BYTE* out) {
        RequestBlock* block = BlockFromName(out);
        if (block == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const BYTE* raw = reinterpret_cast<const BYTE*>(block);
        submittedBlocks.emplace_back(raw, raw + sizeof(RequestBlock));
        auto it = answers.find({adapters[open], block->request.oid});
        FakeOidAnswer answer = it != answers.end() ? it->second
                               : otherAnswer       ? *otherAnswer
                                                   : FakeOidAnswer{0xC00000BB};
        if (!answer.pend) {
            Complete(block, answer);
            std::memcpy(out + 84, &kDone, 4);
            return TRUE;
        }
        std::memcpy(out + 84, &kPending, 4);
        std::u16string eventName(block->eventName);
        workers.emplace_back([block, answer, eventName] {
            Complete(block, answer);
            HANDLE event = OpenEvent(EVENT_ALL_ACCESS, FALSE, eventName.c_str());
            SetEvent(event);
            CloseHandle(event);
        });
        return TRUE;
    }
    static void Complete(RequestBlock* block, const FakeOidAnswer& answer) {
        OidRequest& r = block->request;
        DWORD n = std::min<DWORD>(r.bufferLength, static_cast<DWORD>(answer.data.size()));
        if (void* buffer = MapCallerPtr(r.buffer, n); buffer != nullptr && n > 0) {
            std::memcpy(buffer, answer.data.data(), n);
        }
        r.status = answer.status;
        r.bytesTransferred = answer.bytesTransferred ? answer.bytesTransferred : n;
        r.bytesNeeded = answer.bytesNeeded;
    }

    static constexpr DWORD kDone = 0;
    static constexpr DWORD kPending = 259;
    DWORD opens = 0;
    std::map<DWORD, std::u16string> adapters;
};
