// The fuzz targets' FakeDriver installed and registered as the protocol driver, once per
// fuzzer process, with message boxes answered and a chooser window that takes any message.
#pragma once

#include <memory>

#include "fuzz/fake_driver.h"
#include "platform/core/message_box.h"
#include "platform/core/window_message.h"

inline FakeDriver& InstalledFakeDriver() {
    static std::shared_ptr<FakeDriver> driver = [] {
        auto fake = std::make_shared<FakeDriver>();
        DeviceManager::Instance().InstallModule(RAD4_DRIVER_FILE,
                                                DriverModule{u"RAD", [fake] { return fake; }});
        RegisterDevice(u"PCA", 4, RAD4_DRIVER_FILE, RAD4_REGISTRATION_CONTEXT);
        SetMessageBoxHandler([](const std::string&, const std::string&, UINT) { return IDOK; });
        return fake;
    }();
    driver->calls.clear();
    driver->submittedBlocks.clear();
    return *driver;
}

inline HWND AnyChooser() {
    static HWND chooser = RegisterWindowProc([](UINT, WPARAM, LPARAM) { return LRESULT{0}; });
    return chooser;
}
