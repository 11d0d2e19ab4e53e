// The simulated protocol driver: the stream driver behind "RAD4:" with the ten control codes,
// request submission to the cards, and completion of pending requests from a worker thread.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/win_types.h"
#include "rad4/protocol_driver.h"
#include "sim/scenario.h"

class SimCard;

class SimProtocolDriver : public rad4::ProtocolDriver<SimCard> {
  public:
    using UnloadCallback = std::function<void(const SimProtocolDriver*)>;
    // onUnload runs when the device manager deinitialises this instance.
    SimProtocolDriver(const ProtocolDriverSpec& desc, std::vector<std::shared_ptr<SimCard>> cards,
                      UnloadCallback onUnload);
    ~SimProtocolDriver() override;

    DWORD Init(DWORD registryContext) override;
    BOOL Deinit(DWORD deviceContext) override;

    // Completes what is pending and stops the worker; later calls fail.
    void Shutdown();
    // Drops the unload callback (its owner is going away).
    void ForgetOwner();

    // Pending requests not yet completed.
    std::size_t QueuedCompletions() const;

  protected:
    DWORD ApiVersion() const override { return desc_.apiVersion; }
    DWORD AttachStatus() const override { return desc_.attachStatus; }
    std::vector<BYTE> BindingList() const override;
    DWORD ReportedBindingBytes(DWORD copied) const override {
        return desc_.reportedBindingBytes.value_or(copied);
    }
    CardPtr FindCard(const WString& name) override;
    BOOL SubmitRequest(const CardPtr& card, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                       DWORD* bytesReturned) override;
    DWORD UnloadAnswer(int attached) const override {
        return desc_.unloadAnswer.value_or(ProtocolDriver::UnloadAnswer(attached));
    }

  private:
    class Completer;

    ProtocolDriverSpec desc_;
    std::vector<std::shared_ptr<SimCard>> cards_;
    std::mutex ownerMutex_;  // guards onUnload_
    UnloadCallback onUnload_;
    std::unique_ptr<Completer> completer_;
};
