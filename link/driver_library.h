// The process-wide driver library: loading the protocol driver, control channels, the
// interface version, client attach, adapter enumeration and unload.
#pragma once

#include "platform/core/win_types.h"

struct DriverLibraryState {
    bool driverLoaded = false;
    bool clientAttached = false;
    HANDLE registrationHandle = 0;
    DWORD lastLoadError = 0;
};

// The one instance per process.
DriverLibraryState& DriverLibrary();

DWORD GetLibraryApiVersion();
bool ApiVersionsMatch(DWORD a, DWORD b);
bool ProbeDriver();
DWORD LoadDriver();
HANDLE OpenControlChannel();
BOOL CloseControlChannel(HANDLE channel);
DWORD GetDriverApiVersion(HANDLE channel, DWORD* version);
DWORD AttachClient(HANDLE channel);
DWORD DetachClient(HANDLE channel);
DWORD W32N_EnumProtocolBindings(HANDLE channel, void* buffer, DWORD bufferSize,
                                DWORD* bytesReturned);
DWORD UnloadDriver();
bool ReleaseDriver();
