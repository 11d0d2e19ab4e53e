#include "nl80211/linux_protocol_driver.h"

#include <algorithm>
#include <cstring>

#include "nl80211/request_block.h"
#include "platform/core/text.h"
#include "rad4/oids.h"
#include "rad4/rad4_protocol.h"

namespace {

constexpr DWORD kApiVersion = 0x0400040E;
constexpr DWORD kDeviceContext = 1;

}  // namespace

LinuxProtocolDriver::LinuxProtocolDriver(std::shared_ptr<WifiSource> source,
                                         LinuxCard::Notice notice,
                                         std::function<void()> onLinkQuery)
    : source_(std::move(source)),
      notice_(std::move(notice)),
      onLinkQuery_(std::move(onLinkQuery)) {}

DWORD LinuxProtocolDriver::Init(DWORD) { return kDeviceContext; }

BOOL LinuxProtocolDriver::Deinit(DWORD) { return TRUE; }

DWORD LinuxProtocolDriver::ApiVersion() const { return kApiVersion; }

// Each name NUL-terminated, then an empty name.
std::vector<BYTE> LinuxProtocolDriver::BindingList() const {
    WString list;
    for (const WifiInterface& wifi : source_->Interfaces()) {
        list += Utf8ToWide(wifi.name);
        list += u'\0';
    }
    list += u'\0';
    const auto* bytes = reinterpret_cast<const BYTE*>(list.data());
    return std::vector<BYTE>(bytes, bytes + list.size() * sizeof(char16_t));
}

LinuxProtocolDriver::CardPtr LinuxProtocolDriver::FindCard(const WString& name) {
    const std::string utf8 = WideToUtf8(name);
    for (WifiInterface& wifi : source_->Interfaces()) {
        if (wifi.name != utf8) continue;
        return std::make_shared<LinuxCard>(*source_, std::move(wifi), notice_);
    }
    return nullptr;
}

BOOL LinuxProtocolDriver::SubmitRequest(const CardPtr& card, const BYTE* in, DWORD inSize,
                                        BYTE* out, DWORD outSize, DWORD* bytesReturned) {
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
