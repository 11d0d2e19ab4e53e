// Installs a FakeDriver as "RIZOZID4.dll", captures message boxes and offers a chooser window
// that records the combo-box messages it receives.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_driver.h"
#include "link/adapter_handle.h"
#include "link/driver_library.h"
#include "platform/core/message_box.h"
#include "platform/core/window_message.h"

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        driver = std::make_shared<FakeDriver>();
        DeviceManager::Instance().InstallModule(RAD4_DRIVER_FILE,
                                                DriverModule{u"RAD", [this] { return driver; }});
        SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
            messages.push_back(text);
            return IDOK;
        });
        chooser = RegisterWindowProc([this](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == CB_ADDSTRING)
                entries.emplace_back(reinterpret_cast<const char*>(lParam));
            if (message == CB_SETCURSEL) selected = static_cast<int>(wParam);
            return LRESULT{0};
        });
    }
    void TearDown() override {
        driver->JoinWorkers();
        UnregisterWindowProc(chooser);
        SetMessageBoxHandler(nullptr);
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
    }
    // Registers the device as another process would have, before the utility starts.
    HANDLE PreloadDriver() {
        return RegisterDevice(u"PCA", 4, RAD4_DRIVER_FILE, RAD4_REGISTRATION_CONTEXT);
    }
    void AnswerWireless(const std::u16string& name, bool wireless = true) {
        driver->openable.push_back(name);
        if (wireless) {
            driver->answers[{name, OID_802_11_NETWORK_TYPE_IN_USE}] =
                FakeOidAnswer{0, {1, 0, 0, 0}};
        }
    }

    std::shared_ptr<FakeDriver> driver;
    std::vector<std::string> messages;
    HWND chooser = 0;
    std::vector<std::string> entries;
    int selected = -1;
};
