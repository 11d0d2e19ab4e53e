// One opened adapter and the OID queries and sets carried to it.
#pragma once

#include "link/adapter_handle.h"
#include "link/oid_request.h"
#include "platform/core/win_types.h"

class AdapterChannel {
  public:
    // Opens the adapter at once; a failed open leaves the channel closed.
    explicit AdapterChannel(const WString& adapterName);
    virtual ~AdapterChannel();
    AdapterChannel(const AdapterChannel&) = delete;
    AdapterChannel& operator=(const AdapterChannel&) = delete;

    bool Open(const WString& adapterName);
    // Closes the event and the adapter handle; returns the handle close result.
    BOOL Close();

    // Return 1 when a request could be allocated, 0 otherwise. *status receives the request's
    // NDIS status only when the request ran to completion; callers preset it non-zero.
    int QueryOid(DWORD oid, void* buffer, DWORD length, DWORD* status);
    int SetOid(DWORD oid, const void* buffer, DWORD length, DWORD* status);

    bool IsOpen() const { return isOpen != 0; }
    AdapterHandle Adapter() const { return adapter; }

  private:
    int Request(DWORD type, DWORD oid, void* buffer, DWORD length, DWORD* status);

    AdapterHandle adapter = INVALID_ADAPTER_HANDLE;
    int isOpen = 0;
    struct Overlapped {
        DWORD internal = 0;
        DWORD internalHigh = 0;
        DWORD offset = 0;
        DWORD offsetHigh = 0;
        HANDLE event = 0;
    } overlapped;
    OidRequest* currentRequest = nullptr;
};
