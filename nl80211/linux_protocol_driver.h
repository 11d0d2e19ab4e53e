// The protocol driver for a Linux machine's own Wi-Fi: the stream driver behind "RAD4:" with the
// same control codes as the card's driver, binding each wireless interface the kernel reports
// and answering every request at once from the kernel (LinuxCard).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "nl80211/linux_card.h"
#include "platform/core/stream_driver.h"

class LinuxProtocolDriver : public StreamDriver {
  public:
    // `onLinkQuery` runs after each connection-status query (the addresses may have changed).
    LinuxProtocolDriver(std::shared_ptr<WifiSource> source, LinuxCard::Notice notice,
                        std::function<void()> onLinkQuery = {});

    DWORD Init(DWORD registryContext) override;
    BOOL Deinit(DWORD deviceContext) override;
    DWORD Open(DWORD deviceContext, DWORD access, DWORD shareMode) override;
    BOOL Close(DWORD openContext) override;
    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                   DWORD outSize, DWORD* bytesReturned) override;

  private:
    BOOL Word(DWORD value, BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL Attach(bool attach, BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL EnumBindings(BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL OpenAdapter(DWORD openContext, const BYTE* in, DWORD inSize);
    BOOL CloseAdapter(DWORD openContext);
    BOOL SetRegistration(const BYTE* in, DWORD inSize);
    BOOL SubmitRequest(DWORD openContext, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                       DWORD* bytesReturned);

    std::shared_ptr<WifiSource> source_;
    LinuxCard::Notice notice_;
    std::function<void()> onLinkQuery_;
    std::mutex mutex_;
    std::map<DWORD, std::shared_ptr<LinuxCard>> opens_;  // null card until an adapter is opened
    DWORD nextOpen_ = 1;
    HANDLE registration_ = 0;
    int attached_ = 0;
};
