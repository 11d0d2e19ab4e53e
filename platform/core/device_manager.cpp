#include "platform/core/device_manager.h"

#include <algorithm>

#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"

struct DeviceManager::Device {
    WString name;
    std::shared_ptr<StreamDriver> driver;
    DWORD deviceContext = 0;
    bool alive = true;
    std::mutex mutex;  // serialises calls into the driver against deregistration
};

namespace {

// A registration handle keeps the device until DeregisterDevice.
class RegistrationObject final : public KernelObject {
  public:
    explicit RegistrationObject(std::shared_ptr<DeviceManager::Device> device)
        : device(std::move(device)) {}
    std::shared_ptr<DeviceManager::Device> device;
};

// An open handle to a device.
class DeviceFileObject final : public KernelObject {
  public:
    DeviceFileObject(std::shared_ptr<DeviceManager::Device> device, DWORD openContext)
        : device(std::move(device)), openContext(openContext) {}
    void OnClose() override {
        std::lock_guard lock(device->mutex);
        if (device->alive) device->driver->Close(openContext);
    }
    std::shared_ptr<DeviceManager::Device> device;
    DWORD openContext;
};

WString DeviceName(const WString& prefix, DWORD index) {
    WString name = prefix;
    for (char c : std::to_string(index)) name.push_back(static_cast<char16_t>(c));
    name.push_back(u':');
    return name;
}

}  // namespace

DeviceManager& DeviceManager::Instance() {
    static DeviceManager manager;
    return manager;
}

void DeviceManager::InstallModule(const WString& fileName, DriverModule module) {
    std::lock_guard lock(mutex_);
    modules_[fileName] = std::move(module);
}

void DeviceManager::UninstallModule(const WString& fileName) {
    std::lock_guard lock(mutex_);
    modules_.erase(fileName);
}

std::shared_ptr<DeviceManager::Device> DeviceManager::FindDevice(const WString& name) const {
    std::lock_guard lock(mutex_);
    for (const auto& device : devices_) {
        if (device->name == name) return device;
    }
    return nullptr;
}

HANDLE DeviceManager::RegisterDevice(LPCWSTR prefix, DWORD index, LPCWSTR fileName, DWORD context) {
    if (prefix == nullptr || fileName == nullptr || index > 9) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    DriverModule module;
    {
        std::lock_guard lock(mutex_);
        auto it = modules_.find(fileName);
        if (it == modules_.end()) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return 0;
        }
        module = it->second;
    }
    auto device = std::make_shared<Device>();
    device->name =
        DeviceName(module.streamPrefix.empty() ? WString(prefix) : module.streamPrefix, index);
    if (FindDevice(device->name)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return 0;
    }
    device->driver = module.create ? module.create() : nullptr;
    if (!device->driver) {
        SetLastError(ERROR_GEN_FAILURE);
        return 0;
    }
    SetLastError(ERROR_SUCCESS);
    device->deviceContext = device->driver->Init(context);
    if (device->deviceContext == 0) {
        if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_GEN_FAILURE);
        return 0;
    }
    {
        std::lock_guard lock(mutex_);
        devices_.push_back(device);
    }
    return HandleTable::Instance().Insert(std::make_shared<RegistrationObject>(device));
}

BOOL DeviceManager::DeregisterDevice(HANDLE registration) {
    auto object = HandleTable::Instance().Get<RegistrationObject>(registration);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto device = object->device;
    {
        std::lock_guard lock(mutex_);
        std::erase(devices_, device);
    }
    {
        std::lock_guard lock(device->mutex);
        if (device->alive) {
            device->alive = false;
            device->driver->Deinit(device->deviceContext);
        }
    }
    HandleTable::Instance().Close(registration);
    return TRUE;
}

HANDLE DeviceManager::CreateFile(LPCWSTR name, DWORD access, DWORD shareMode, DWORD creation,
                                 DWORD) {
    if (name == nullptr || creation != OPEN_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto device = FindDevice(name);
    if (!device) {
        SetLastError(ERROR_DEV_NOT_EXIST);
        return INVALID_HANDLE_VALUE;
    }
    DWORD openContext;
    {
        std::lock_guard lock(device->mutex);
        if (!device->alive) {
            SetLastError(ERROR_DEV_NOT_EXIST);
            return INVALID_HANDLE_VALUE;
        }
        openContext = device->driver->Open(device->deviceContext, access, shareMode);
    }
    if (openContext == 0) {
        if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_GEN_FAILURE);
        return INVALID_HANDLE_VALUE;
    }
    return HandleTable::Instance().Insert(std::make_shared<DeviceFileObject>(device, openContext));
}

BOOL DeviceManager::DeviceIoControl(HANDLE handle, DWORD code, const void* in, DWORD inSize,
                                    void* out, DWORD outSize, DWORD* bytesReturned) {
    auto file = HandleTable::Instance().Get<DeviceFileObject>(handle);
    if (!file) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if ((in == nullptr && inSize != 0) || (out == nullptr && outSize != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD returned = 0;
    std::lock_guard lock(file->device->mutex);
    if (!file->device->alive) {
        SetLastError(ERROR_DEVICE_REMOVED);
        return FALSE;
    }
    BOOL ok = file->device->driver->IOControl(file->openContext, code, static_cast<const BYTE*>(in),
                                              inSize, static_cast<BYTE*>(out), outSize, &returned);
    if (bytesReturned != nullptr) *bytesReturned = std::min(returned, outSize);
    return ok;
}

bool DeviceManager::IsRegistered(const WString& deviceName) const {
    return FindDevice(deviceName) != nullptr;
}

std::vector<WString> DeviceManager::DeviceNames() const {
    std::lock_guard lock(mutex_);
    std::vector<WString> names;
    for (const auto& device : devices_) names.push_back(device->name);
    return names;
}

void DeviceManager::Reset() {
    std::vector<std::shared_ptr<Device>> devices;
    {
        std::lock_guard lock(mutex_);
        devices.swap(devices_);
        modules_.clear();
    }
    for (auto& device : devices) {
        std::lock_guard lock(device->mutex);
        if (device->alive) {
            device->alive = false;
            device->driver->Deinit(device->deviceContext);
        }
    }
}

HANDLE RegisterDevice(LPCWSTR prefix, DWORD index, LPCWSTR fileName, DWORD context) {
    return DeviceManager::Instance().RegisterDevice(prefix, index, fileName, context);
}

BOOL DeregisterDevice(HANDLE registration) {
    return DeviceManager::Instance().DeregisterDevice(registration);
}

HANDLE CreateFile(LPCWSTR name, DWORD access, DWORD shareMode, void*, DWORD creation, DWORD flags,
                  HANDLE) {
    return DeviceManager::Instance().CreateFile(name, access, shareMode, creation, flags);
}

namespace {

DeviceCallObserver g_deviceCallObserver;

}  // namespace

void SetDeviceCallObserver(DeviceCallObserver observer) {
    g_deviceCallObserver = std::move(observer);
}

BOOL DeviceIoControl(HANDLE device, DWORD code, const void* in, DWORD inSize, void* out,
                     DWORD outSize, DWORD* bytesReturned, void*) {
    BOOL ok = DeviceManager::Instance().DeviceIoControl(device, code, in, inSize, out, outSize,
                                                        bytesReturned);
    if (g_deviceCallObserver) {
        DWORD error = GetLastError();
        g_deviceCallObserver(device, code, in, inSize, ok);
        SetLastError(error);
    }
    return ok;
}
