#include "link/driver_library.h"

#include "link/driver_contract.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"

namespace {

constexpr DWORD kStatusPreset = 0xC0000001;  // NDIS general failure: a silent driver fails

HANDLE OpenRad4(DWORD access, DWORD share) {
    return CreateFile(RAD4_DEVICE_NAME, access, share, nullptr, OPEN_EXISTING, 0, 0);
}

// Sends a status-returning code; returns the driver's status or the call's error.
DWORD StatusCall(HANDLE channel, DWORD code) {
    DWORD status = kStatusPreset;
    DWORD returned = 0;
    if (!DeviceIoControl(channel, code, nullptr, 0, &status, sizeof(status), &returned, nullptr)) {
        return GetLastError();
    }
    return status;
}

}  // namespace

DriverLibraryState& DriverLibrary() {
    static DriverLibraryState state;
    return state;
}

DWORD GetLibraryApiVersion() { return RAD4_LIBRARY_API_VERSION; }

bool ApiVersionsMatch(DWORD a, DWORD b) { return ((a ^ b) & 0xFF00) == 0; }

bool ProbeDriver() {
    auto& lib = DriverLibrary();
    if (lib.driverLoaded) return true;
    HANDLE probe = OpenRad4(0, 0);
    if (probe == INVALID_HANDLE_VALUE) {
        GetLastError();
        return false;
    }
    lib.driverLoaded = true;
    CloseHandle(probe);
    return true;
}

DWORD LoadDriver() {
    auto& lib = DriverLibrary();
    if (ProbeDriver()) return 0;
    lib.registrationHandle = RegisterDevice(RAD4_REGISTRATION_PREFIX, RAD4_REGISTRATION_INDEX,
                                            RAD4_DRIVER_FILE, RAD4_REGISTRATION_CONTEXT);
    if (lib.registrationHandle != 0) {
        lib.lastLoadError = 0;
        lib.driverLoaded = true;
        return 0;
    }
    lib.lastLoadError = GetLastError();
    SetLastError(lib.lastLoadError);
    return lib.lastLoadError;
}

HANDLE OpenControlChannel() {
    auto& lib = DriverLibrary();
    LoadDriver();
    if (!lib.driverLoaded) return INVALID_HANDLE_VALUE;
    HANDLE channel = OpenRad4(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (channel != INVALID_HANDLE_VALUE && lib.registrationHandle != 0) {
        DWORD handle = lib.registrationHandle;
        DeviceIoControl(channel, IOCTL_RAD4_SET_REGISTRATION, &handle, sizeof(handle), nullptr, 0,
                        nullptr, nullptr);
    }
    return channel;
}

BOOL CloseControlChannel(HANDLE channel) { return CloseHandle(channel); }

DWORD GetDriverApiVersion(HANDLE channel, DWORD* version) {
    if (version == nullptr) return ERROR_INVALID_PARAMETER;
    DWORD returned = 0;
    if (!DeviceIoControl(channel, IOCTL_RAD4_GET_API_VERSION, nullptr, 0, version, sizeof(*version),
                         &returned, nullptr)) {
        return GetLastError();
    }
    return 0;
}

DWORD AttachClient(HANDLE channel) {
    auto& lib = DriverLibrary();
    if (lib.clientAttached) return 0;
    DWORD status = kStatusPreset;
    DWORD returned = 0;
    if (!DeviceIoControl(channel, IOCTL_RAD4_ATTACH, nullptr, 0, &status, sizeof(status), &returned,
                         nullptr)) {
        return GetLastError();
    }
    lib.clientAttached = true;
    return status;
}

DWORD DetachClient(HANDLE channel) {
    DWORD result = StatusCall(channel, IOCTL_RAD4_DETACH);
    DriverLibrary().clientAttached = false;
    return result;
}

DWORD W32N_EnumProtocolBindings(HANDLE channel, void* buffer, DWORD bufferSize,
                                DWORD* bytesReturned) {
    DWORD attach = AttachClient(channel);
    if (attach != 0) return attach;
    if (!DeviceIoControl(channel, IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, buffer, bufferSize,
                         bytesReturned, nullptr)) {
        return GetLastError();
    }
    return 0;
}

DWORD UnloadDriver() {
    auto& lib = DriverLibrary();
    if (!lib.driverLoaded) return 0;
    HANDLE channel = OpenControlChannel();
    if (channel == INVALID_HANDLE_VALUE) return 0;
    DWORD word = 0;
    DWORD returned = 0;
    DeviceIoControl(channel, IOCTL_RAD4_QUERY_UNLOAD, nullptr, 0, &word, sizeof(word), &returned,
                    nullptr);
    bool release = false;
    if (word != 0 && DeviceIoControl(channel, IOCTL_RAD4_GET_REGISTRATION, nullptr, 0, &word,
                                     sizeof(word), &returned, nullptr)) {
        lib.registrationHandle = word;
        DetachClient(channel);
        release = true;
    }
    CloseControlChannel(channel);
    if (release) ReleaseDriver();
    return 0;
}

bool ReleaseDriver() {
    auto& lib = DriverLibrary();
    bool released = false;
    if (lib.driverLoaded && lib.registrationHandle != 0) {
        released = DeregisterDevice(lib.registrationHandle) != FALSE;
    }
    lib.registrationHandle = 0;
    lib.driverLoaded = false;
    return released;
}
