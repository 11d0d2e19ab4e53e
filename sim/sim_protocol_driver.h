// The simulated protocol driver: the stream driver behind "RAD4:" with the ten control codes,
// request submission to the cards, and completion of pending requests from a worker thread.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/stream_driver.h"
#include "platform/core/win_types.h"
#include "sim/scenario.h"

class SimCard;

class SimProtocolDriver : public StreamDriver {
  public:
    using UnloadCallback = std::function<void(const SimProtocolDriver*)>;
    // onUnload runs when the device manager deinitialises this instance.
    SimProtocolDriver(const ProtocolDriverSpec& desc, std::vector<std::shared_ptr<SimCard>> cards,
                      UnloadCallback onUnload);
    ~SimProtocolDriver() override;

    DWORD Init(DWORD registryContext) override;
    BOOL Deinit(DWORD deviceContext) override;
    DWORD Open(DWORD deviceContext, DWORD access, DWORD shareMode) override;
    BOOL Close(DWORD openContext) override;
    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                   DWORD outSize, DWORD* bytesReturned) override;

    // Completes what is pending and stops the worker; later calls fail.
    void Shutdown();
    // Drops the unload callback (its owner is going away).
    void ForgetOwner();

    HANDLE HeldRegistration() const;
    int AttachedClients() const;
    std::size_t OpenCount() const;
    // Pending requests not yet completed.
    std::size_t QueuedCompletions() const;

  private:
    class Completer;
    struct OpenContext {
        std::shared_ptr<SimCard> adapter;  // null until an adapter is opened
    };

    BOOL Word(DWORD value, BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL Attach(BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL Detach(BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL EnumBindings(BYTE* out, DWORD outSize, DWORD* bytesReturned);
    BOOL OpenAdapter(DWORD openContext, const BYTE* in, DWORD inSize);
    BOOL CloseAdapter(DWORD openContext);
    BOOL SetRegistration(const BYTE* in, DWORD inSize);
    // The card is the one opened on the submitting handle (null: none), taken with the
    // handle's check.
    BOOL SubmitRequest(const std::shared_ptr<SimCard>& card, const BYTE* in, DWORD inSize,
                       BYTE* out, DWORD outSize, DWORD* bytesReturned);
    DWORD UnloadAnswer() const;
    std::vector<BYTE> BindingList() const;
    std::shared_ptr<SimCard> FindCard(const WString& name) const;

    ProtocolDriverSpec desc_;
    std::vector<std::shared_ptr<SimCard>> cards_;
    UnloadCallback onUnload_;
    std::unique_ptr<Completer> completer_;
    mutable std::mutex mutex_;
    std::map<DWORD, OpenContext> opens_;
    DWORD nextOpen_ = 1;
    HANDLE heldRegistration_ = 0;
    int attached_ = 0;
    bool shutDown_ = false;
};
