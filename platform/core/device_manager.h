// The device manager: stream drivers registered from driver files, opened by device name
// ("RAD4:"), reached by device I/O control.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/stream_driver.h"
#include "platform/core/win_types.h"

// What the loader knows of a driver file: the prefix of the stream interface it exports (the
// device answers as prefix + index + ":") and how to create its driver object.
struct DriverModule {
    WString streamPrefix;
    std::function<std::shared_ptr<StreamDriver>()> create;
};

class DeviceManager {
  public:
    static DeviceManager& Instance();

    // Makes a driver file loadable (what installing the file on the device does).
    void InstallModule(const WString& fileName, DriverModule module);
    void UninstallModule(const WString& fileName);

    HANDLE RegisterDevice(LPCWSTR prefix, DWORD index, LPCWSTR fileName, DWORD context);
    BOOL DeregisterDevice(HANDLE registration);
    HANDLE CreateFile(LPCWSTR name, DWORD access, DWORD shareMode, DWORD creation, DWORD flags);
    BOOL DeviceIoControl(HANDLE device, DWORD code, const void* in, DWORD inSize, void* out,
                         DWORD outSize, DWORD* bytesReturned);

    bool IsRegistered(const WString& deviceName) const;
    // Names of the registered devices, in registration order.
    std::vector<WString> DeviceNames() const;
    // Deregisters every device and forgets every module (test isolation).
    void Reset();

    struct Device;

  private:
    std::shared_ptr<Device> FindDevice(const WString& name) const;

    mutable std::mutex mutex_;
    std::map<WString, DriverModule> modules_;
    std::vector<std::shared_ptr<Device>> devices_;
};

// The OS calls, routed to the device manager.
HANDLE RegisterDevice(LPCWSTR prefix, DWORD index, LPCWSTR fileName, DWORD context);
BOOL DeregisterDevice(HANDLE registration);
HANDLE CreateFile(LPCWSTR name, DWORD access, DWORD shareMode, void* security, DWORD creation,
                  DWORD flags, HANDLE templateFile);
BOOL DeviceIoControl(HANDLE device, DWORD code, const void* in, DWORD inSize, void* out,
                     DWORD outSize, DWORD* bytesReturned, void* overlapped);

// Sees every device I/O control call once it returned (a tracer the program installs; the
// caller does not know). Installed before any call is made; an empty function removes it.
using DeviceCallObserver =
    std::function<void(HANDLE device, DWORD code, const void* in, DWORD inSize, BOOL ok)>;
void SetDeviceCallObserver(DeviceCallObserver observer);
