#include "link/adapter_channel.h"

#include "platform/core/caller_pointer.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"

AdapterChannel::AdapterChannel(const WString& adapterName) { Open(adapterName); }

AdapterChannel::~AdapterChannel() {
    if (isOpen) Close();
}

bool AdapterChannel::Open(const WString& adapterName) {
    adapter = OpenAdapterHandle(adapterName.c_str());
    if (adapter == INVALID_ADAPTER_HANDLE) return false;
    overlapped = Overlapped{};
    overlapped.event = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    if (overlapped.event == 0) {
        CloseAdapterHandle(adapter);
        adapter = INVALID_ADAPTER_HANDLE;
        return false;
    }
    isOpen = 1;
    return true;
}

BOOL AdapterChannel::Close() {
    if (overlapped.event != 0) {
        CloseHandle(overlapped.event);
        overlapped.event = 0;
    }
    BOOL closed = CloseAdapterHandle(adapter);
    adapter = INVALID_ADAPTER_HANDLE;
    isOpen = 0;
    return closed;
}

int AdapterChannel::QueryOid(DWORD oid, void* buffer, DWORD length, DWORD* status) {
    return Request(OID_REQUEST_QUERY, oid, buffer, length, status);
}

int AdapterChannel::SetOid(DWORD oid, const void* buffer, DWORD length, DWORD* status) {
    // The driver only reads a set's buffer; the token carries the address, not write access.
    return Request(OID_REQUEST_SET, oid, const_cast<void*>(buffer), length, status);
}

int AdapterChannel::Request(DWORD type, DWORD oid, void* buffer, DWORD length, DWORD* status) {
    currentRequest = AllocRequest();
    if (currentRequest == nullptr) return 0;
    currentRequest->requestType = type;
    currentRequest->oid = oid;
    currentRequest->buffer = RegisterCallerBuffer(buffer, buffer == nullptr ? 0 : length);
    currentRequest->bufferLength = length;
    currentRequest->bytesTransferred = 0;
    currentRequest->bytesNeeded = 0;
    DWORD result = SubmitRequest(adapter, currentRequest);
    if (result == NDIS_STATUS_PENDING) result = WaitRequest(currentRequest, INFINITE);
    if (result == 0 && status != nullptr) *status = currentRequest->status;
    FreeRequest(currentRequest);
    currentRequest = nullptr;
    return 1;
}
