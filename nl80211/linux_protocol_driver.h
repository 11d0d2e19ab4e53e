// The protocol driver for a Linux machine's own Wi-Fi: the stream driver behind "RAD4:" with the
// same control codes as the card's driver, binding each wireless interface the kernel reports
// and answering every request at once from the kernel (LinuxCard).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "nl80211/linux_card.h"
#include "rad4/protocol_driver.h"

class LinuxProtocolDriver : public rad4::ProtocolDriver<LinuxCard> {
  public:
    // `onLinkQuery` runs after each connection-status query (the addresses may have changed).
    LinuxProtocolDriver(std::shared_ptr<WifiSource> source, LinuxCard::Notice notice,
                        std::function<void()> onLinkQuery = {});

    DWORD Init(DWORD registryContext) override;
    BOOL Deinit(DWORD deviceContext) override;

  protected:
    DWORD ApiVersion() const override;
    // The interface names the kernel reports.
    std::vector<BYTE> BindingList() const override;
    // A new card on the interface of that name.
    CardPtr FindCard(const WString& name) override;
    BOOL SubmitRequest(const CardPtr& card, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                       DWORD* bytesReturned) override;

  private:
    std::shared_ptr<WifiSource> source_;
    LinuxCard::Notice notice_;
    std::function<void()> onLinkQuery_;
};
