// The entry points of a stream device driver, as the device manager calls them.
#pragma once

#include "platform/core/win_types.h"

class StreamDriver {
  public:
    virtual ~StreamDriver() = default;
    // Returns the device context, 0 when the device cannot start.
    virtual DWORD Init(DWORD registryContext) = 0;
    virtual BOOL Deinit(DWORD deviceContext) = 0;
    // Returns an open context, 0 to refuse the open (the driver sets the last error).
    virtual DWORD Open(DWORD deviceContext, DWORD access, DWORD shareMode) = 0;
    virtual BOOL Close(DWORD openContext) = 0;
    // On failure the driver sets the last error and returns FALSE.
    virtual BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                           DWORD outSize, DWORD* bytesReturned) = 0;
};
