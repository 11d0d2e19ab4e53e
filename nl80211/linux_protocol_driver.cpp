#include "nl80211/linux_protocol_driver.h"

#include <algorithm>
#include <cstring>

#include "nl80211/request_block.h"
#include "platform/core/last_error.h"
#include "platform/core/text.h"
#include "rad4/oids.h"
#include "rad4/rad4_protocol.h"

namespace {

constexpr DWORD kApiVersion = 0x0400040E;
constexpr DWORD kDeviceContext = 1;

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

LinuxProtocolDriver::LinuxProtocolDriver(std::shared_ptr<WifiSource> source,
                                         LinuxCard::Notice notice,
                                         std::function<void()> onLinkQuery)
    : source_(std::move(source)),
      notice_(std::move(notice)),
      onLinkQuery_(std::move(onLinkQuery)) {}

DWORD LinuxProtocolDriver::Init(DWORD) { return kDeviceContext; }

BOOL LinuxProtocolDriver::Deinit(DWORD) { return TRUE; }

DWORD LinuxProtocolDriver::Open(DWORD, DWORD, DWORD) {
    std::lock_guard lock(mutex_);
    DWORD context = nextOpen_++;
    opens_[context] = nullptr;
    return context;
}

BOOL LinuxProtocolDriver::Close(DWORD openContext) {
    std::lock_guard lock(mutex_);
    return opens_.erase(openContext) != 0 ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

BOOL LinuxProtocolDriver::IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize,
                                    BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    DWORD ignored = 0;
    if (bytesReturned == nullptr) bytesReturned = &ignored;
    *bytesReturned = 0;
    if (in == nullptr) inSize = 0;
    if (out == nullptr) outSize = 0;
    {
        std::lock_guard lock(mutex_);
        if (opens_.count(openContext) == 0) return Fail(ERROR_INVALID_HANDLE);
    }
    switch (code) {
        case rad4::kGetApiVersion:
            return Word(kApiVersion, out, outSize, bytesReturned);
        case rad4::kAttach:
        case rad4::kDetach:
            return Attach(code == rad4::kAttach, out, outSize, bytesReturned);
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
        case rad4::kGetRegistration: {
            std::lock_guard lock(mutex_);
            return Word(registration_, out, outSize, bytesReturned);
        }
        case rad4::kQueryUnload: {
            std::lock_guard lock(mutex_);
            // Unload when no client but the asking one is attached.
            return Word(attached_ <= 1 ? 1 : 0, out, outSize, bytesReturned);
        }
    }
    return Fail(ERROR_NOT_SUPPORTED);
}

BOOL LinuxProtocolDriver::Word(DWORD value, BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize < sizeof value) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(out, &value, sizeof value);
    *bytesReturned = sizeof value;
    return TRUE;
}

BOOL LinuxProtocolDriver::Attach(bool attach, BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize < sizeof(DWORD)) return Fail(ERROR_INSUFFICIENT_BUFFER);
    {
        std::lock_guard lock(mutex_);
        attached_ = attach ? attached_ + 1 : std::max(0, attached_ - 1);
    }
    return Word(0, out, outSize, bytesReturned);
}

// The interface names, each NUL-terminated, then an empty name; cut to the caller's buffer.
BOOL LinuxProtocolDriver::EnumBindings(BYTE* out, DWORD outSize, DWORD* bytesReturned) {
    if (outSize == 0) return Fail(ERROR_INSUFFICIENT_BUFFER);
    WString list;
    for (const WifiInterface& wifi : source_->Interfaces()) {
        list += Utf8ToWide(wifi.name);
        list += u'\0';
    }
    list += u'\0';
    DWORD count = std::min<DWORD>(outSize, static_cast<DWORD>(list.size() * sizeof(char16_t)));
    std::memcpy(out, list.data(), count);
    *bytesReturned = count;
    return TRUE;
}

BOOL LinuxProtocolDriver::OpenAdapter(DWORD openContext, const BYTE* in, DWORD inSize) {
    if (inSize < 2 || inSize % 2 != 0) return Fail(ERROR_INVALID_PARAMETER);
    WString units(inSize / 2, u'\0');
    std::memcpy(units.data(), in, inSize);
    auto end = units.find(u'\0');
    if (end == WString::npos) return Fail(ERROR_INVALID_PARAMETER);
    std::string name = WideToUtf8(units.substr(0, end));
    for (WifiInterface& wifi : source_->Interfaces()) {
        if (wifi.name != name) continue;
        auto card = std::make_shared<LinuxCard>(*source_, std::move(wifi), notice_);
        std::lock_guard lock(mutex_);
        opens_[openContext] = std::move(card);
        return TRUE;
    }
    return Fail(ERROR_FILE_NOT_FOUND);
}

BOOL LinuxProtocolDriver::CloseAdapter(DWORD openContext) {
    std::lock_guard lock(mutex_);
    auto& card = opens_[openContext];
    if (!card) return Fail(ERROR_INVALID_HANDLE);
    card.reset();
    return TRUE;
}

BOOL LinuxProtocolDriver::SetRegistration(const BYTE* in, DWORD inSize) {
    if (inSize < sizeof(HANDLE)) return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard lock(mutex_);
    std::memcpy(&registration_, in, sizeof(HANDLE));
    return TRUE;
}

BOOL LinuxProtocolDriver::SubmitRequest(DWORD openContext, const BYTE* in, DWORD inSize, BYTE* out,
                                        DWORD outSize, DWORD* bytesReturned) {
    std::shared_ptr<LinuxCard> card;
    {
        std::lock_guard lock(mutex_);
        card = opens_[openContext];
    }
    if (!card) return Fail(ERROR_INVALID_HANDLE);
    if (outSize < rad4::kSubmitStatusOffset + sizeof(DWORD)) return Fail(ERROR_INSUFFICIENT_BUFFER);
    auto request = RequestBlock::Find(in, inSize);
    if (!request) return Fail(ERROR_INVALID_PARAMETER);
    if (!request->Answer(card->Handle(request->Exchange()))) return Fail(ERROR_INVALID_PARAMETER);
    if (request->Exchange().oid == oids::kMediaConnectStatus && onLinkQuery_) onLinkQuery_();
    std::memcpy(out + rad4::kSubmitStatusOffset, &rad4::kSubmitCompleted,
                sizeof rad4::kSubmitCompleted);
    *bytesReturned = std::min(outSize, rad4::kDeclaredSize);
    return TRUE;
}
