#include "link/adapter_handle.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <string>

#include "link/driver_contract.h"
#include "link/driver_library.h"
#include "platform/core/caller_pointer.h"
#include "platform/core/device_manager.h"
#include "platform/core/event.h"
#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"
#include "platform/core/process.h"
#include "platform/core/text.h"

namespace {

bool IsUsable(AdapterHandle adapter) {
    return adapter != nullptr && adapter != INVALID_ADAPTER_HANDLE &&
           adapter->device != INVALID_HANDLE_VALUE && adapter->device != 0;
}

constexpr int kHexDigits = 8;
// "<prefix>Evt-<process id>-": where the token's digits start in the event name.
constexpr std::size_t kTokenOffset =
    std::char_traits<char>::length(RAD4_EVENT_PREFIX) + 4 + kHexDigits + 1;
static_assert(kTokenOffset + kHexDigits < std::size(RequestBlock{}.eventName));

// The block's caller-pointer token: the eight hex digits that end its event name, at the fixed
// place FormatEventName put them (a name the driver changed yields no token).
DWORD BlockToken(const RequestBlock* block) {
    const char16_t* digits = block->eventName + kTokenOffset;
    if (digits[kHexDigits] != 0) return 0;
    DWORD token = 0;
    for (int i = 0; i < kHexDigits; ++i) {
        int digit = HexDigit(digits[i]);
        if (digit < 0) return 0;
        token = token << 4 | static_cast<DWORD>(digit);
    }
    return token;
}

char16_t* PutHex(char16_t* out, DWORD value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) *out++ = kDigits[(value >> shift) & 0xF];
    return out;
}

// "<prefix>Evt-<process id>-<block token>", each number as eight upper-case hex digits.
void FormatEventName(RequestBlock* block, DWORD token) {
    char16_t* out = block->eventName;
    for (const char* c = RAD4_EVENT_PREFIX; *c != 0; ++c) *out++ = static_cast<char16_t>(*c);
    for (char c : {'E', 'v', 't', '-'}) *out++ = static_cast<char16_t>(c);
    out = PutHex(out, block->processId);
    *out++ = u'-';
    PutHex(out, token);
}

void ReleaseRecord(AdapterRecord* record) { delete record; }

void QueryIdentity(AdapterRecord* record) {
    DWORD length = sizeof(record->maxTotalSize);
    DWORD status = NDIS_STATUS_FAILURE;
    if (QueryAdapterInformation(record, OID_GEN_MAXIMUM_TOTAL_SIZE, &record->maxTotalSize, &length,
                                &status) != 0 ||
        status != 0) {
        record->maxTotalSize = DEFAULT_MAX_TOTAL_SIZE;
    } else {
        record->maxTotalSizeKnown = 1;
    }
    record->currentAddressLength = sizeof(record->currentAddress);
    status = NDIS_STATUS_FAILURE;
    if (QueryAdapterInformation(record, OID_802_3_CURRENT_ADDRESS, record->currentAddress,
                                &record->currentAddressLength, &status) == 0 &&
        status == 0) {
        record->currentAddressKnown = 1;
    }
}

}  // namespace

AdapterHandle OpenAdapterHandle(const char16_t* adapterName) {
    if (adapterName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_ADAPTER_HANDLE;
    }
    auto* record = new (std::nothrow) AdapterRecord();
    if (record == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_ADAPTER_HANDLE;
    }
    LoadDriver();
    if (!DriverLibrary().driverLoaded) {
        ReleaseRecord(record);
        return INVALID_ADAPTER_HANDLE;
    }
    record->device = CreateFile(RAD4_DEVICE_NAME, GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
    if (record->device == INVALID_HANDLE_VALUE) {
        ReleaseRecord(record);
        return INVALID_ADAPTER_HANDLE;
    }
    if (DriverLibrary().registrationHandle != 0) {
        DWORD handle = DriverLibrary().registrationHandle;
        DeviceIoControl(record->device, IOCTL_RAD4_SET_REGISTRATION, &handle, sizeof(handle),
                        nullptr, 0, nullptr, nullptr);
    }
    if (AttachClient(record->device) != 0) {
        CloseHandle(record->device);
        ReleaseRecord(record);
        return INVALID_ADAPTER_HANDLE;
    }
    record->adapterName = adapterName;
    DWORD nameBytes = static_cast<DWORD>((record->adapterName.size() + 1) * sizeof(char16_t));
    if (!DeviceIoControl(record->device, IOCTL_RAD4_OPEN_ADAPTER, record->adapterName.c_str(),
                         nameBytes, nullptr, 0, nullptr, nullptr)) {
        DWORD error = GetLastError();
        CloseHandle(record->device);
        ReleaseRecord(record);
        SetLastError(error);
        return INVALID_ADAPTER_HANDLE;
    }
    QueryIdentity(record);
    return record;
}

BOOL CloseAdapterHandle(AdapterHandle adapter) {
    if (!IsUsable(adapter)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    BOOL closed = DeviceIoControl(adapter->device, IOCTL_RAD4_CLOSE_ADAPTER, nullptr, 0, nullptr, 0,
                                  nullptr, nullptr);
    CloseHandle(adapter->device);
    ReleaseRecord(adapter);
    return closed;
}

OidRequest* AllocRequest() {
    auto* block = new (std::nothrow) RequestBlock();
    if (block == nullptr) return nullptr;
    block->processId = GetCurrentProcessId();
    block->threadId = GetCurrentThreadId();
    block->device = INVALID_HANDLE_VALUE;
    DWORD token = RegisterCallerBuffer(block, sizeof(RequestBlock));
    FormatEventName(block, token);
    block->event = CreateEvent(nullptr, TRUE, FALSE, block->eventName);
    if (block->event == 0) {
        UnregisterCallerBuffer(token);
        delete block;
        return nullptr;
    }
    return &block->request;
}

RequestBlock* BlockOf(OidRequest* request) {
    return reinterpret_cast<RequestBlock*>(reinterpret_cast<BYTE*>(request) -
                                           REQUEST_BLOCK_RECORD_OFFSET);
}

void FreeRequest(OidRequest* request) {
    if (request == nullptr) return;
    RequestBlock* block = BlockOf(request);
    if (block->event != 0) {
        CloseHandle(block->event);
        block->event = 0;
    }
    UnregisterCallerBuffer(request->buffer);
    UnregisterCallerBuffer(BlockToken(block));
    delete block;
}

DWORD SubmitRequest(AdapterHandle adapter, OidRequest* request) {
    if (request == nullptr) return ERROR_INVALID_PARAMETER;
    if (!IsUsable(adapter)) return ERROR_INVALID_HANDLE;
    RequestBlock* block = BlockOf(request);
    block->device = adapter->device;
    block->submitStatus = NDIS_STATUS_FAILURE;
    ResetEvent(block->event);
    DWORD returned = 0;
    if (!DeviceIoControl(adapter->device, IOCTL_RAD4_SUBMIT_REQUEST, block,
                         REQUEST_BLOCK_DECLARED_SIZE, block, REQUEST_BLOCK_DECLARED_SIZE, &returned,
                         nullptr)) {
        return GetLastError();
    }
    return block->submitStatus;
}

DWORD WaitRequest(OidRequest* request, DWORD timeoutMs) {
    if (request == nullptr) return ERROR_INVALID_PARAMETER;
    return WaitForSingleObject(BlockOf(request)->event, timeoutMs);
}

DWORD QueryAdapterInformation(AdapterHandle adapter, DWORD oid, void* buffer, DWORD* length,
                              DWORD* status) {
    if (length == nullptr || status == nullptr) return ERROR_INVALID_PARAMETER;
    OidRequest* request = AllocRequest();
    if (request == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    request->requestType = OID_REQUEST_QUERY;
    request->oid = oid;
    request->buffer = RegisterCallerBuffer(buffer, *length);
    request->bufferLength = *length;
    request->bytesTransferred = 0;
    request->bytesNeeded = 0;
    DWORD result = SubmitRequest(adapter, request);
    if (result == NDIS_STATUS_PENDING) result = WaitRequest(request, INFINITE);
    if (result == 0) {
        *status = request->status;
        if (request->status == NDIS_STATUS_SUCCESS) {
            *length = std::min(request->bytesTransferred, request->bufferLength);
        } else if (request->status == NDIS_STATUS_INVALID_LENGTH ||
                   request->status == NDIS_STATUS_BUFFER_TOO_SHORT) {
            *length = request->bytesNeeded;
        } else {
            *length = 0;
        }
    }
    FreeRequest(request);
    return result;
}
