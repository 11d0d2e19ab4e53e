// The main dialog's link to the protocol driver: start, adapter enumeration into the chooser,
// stop.
#pragma once

#include "platform/core/win_types.h"
#include "platform/core/window_message.h"

class DriverLink {
  public:
    DriverLink() = default;
    virtual ~DriverLink() = default;

    bool Start();
    // Fills the chooser combo box with the adapters that answer an 802.11 OID; returns 0.
    int EnumerateAdapters(HWND chooser);
    bool Stop();

    int AdapterCount() const { return adapterCount; }
    DWORD DriverApiVersion() const { return driverApiVersion; }
    DWORD LibraryApiVersion() const { return libraryApiVersion; }
    HANDLE ControlChannel() const { return controlChannel; }

  private:
    void ShowError(const char* text) const;
    void CloseChannel();
    bool AdapterAnswers(const WString& name) const;

    int adapterCount = 0;
    DWORD driverApiVersion = 0;
    DWORD libraryApiVersion = 0;
    HANDLE controlChannel = INVALID_HANDLE_VALUE;
};
