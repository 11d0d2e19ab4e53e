// The device manager's notification that a device has gone, as the OS broadcasts it to the
// top-level windows: WM_DEVICECHANGE with DBT_DEVICEREMOVECOMPLETE and a port record.
#pragma once

#include <string>
#include <vector>

#include "platform/core/win_types.h"

class DeviceBroadcast {
  public:
    // The port record: size, device type DBT_DEVTYP_PORT, reserved 0 (32 bits each, little
    // endian), then the device name in UTF-16 with its terminating NUL. The size counts it all.
    static std::vector<BYTE> PortRecord(const std::string& deviceName);
    // Sends the removal of the port device to every top-level window. GUI thread only.
    static void PortRemoved(const std::string& deviceName);
};
