#include "platform/core/device_manager.h"

#include <gtest/gtest.h>

#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"

namespace {

class EchoDriver : public StreamDriver {
  public:
    int opens = 0, closes = 0, deinits = 0;
    DWORD Init(DWORD context) override { return context; }
    BOOL Deinit(DWORD) override {
        ++deinits;
        return TRUE;
    }
    DWORD Open(DWORD, DWORD, DWORD) override { return static_cast<DWORD>(++opens); }
    BOOL Close(DWORD) override {
        ++closes;
        return TRUE;
    }
    BOOL IOControl(DWORD, DWORD code, const BYTE*, DWORD, BYTE* out, DWORD outSize,
                   DWORD* returned) override {
        if (code != 7) {
            SetLastError(ERROR_NOT_SUPPORTED);
            return FALSE;
        }
        for (DWORD i = 0; i < outSize; ++i) out[i] = 0xAB;
        *returned = outSize + 100;  // lies; the manager must clamp it
        return TRUE;
    }
};

class DeviceManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DeviceManager::Instance().Reset();
        DeviceManager::Instance().InstallModule(u"echo.dll", {u"ECH", [this] { return driver; }});
    }
    void TearDown() override { DeviceManager::Instance().Reset(); }
    std::shared_ptr<EchoDriver> driver = std::make_shared<EchoDriver>();
};

}  // namespace

TEST_F(DeviceManagerTest, DeviceAnswersUnderItsModulePrefix) {
    EXPECT_EQ(CreateFile(u"ECH1:", 0, 0, nullptr, OPEN_EXISTING, 0, 0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_DEV_NOT_EXIST);
    HANDLE reg = RegisterDevice(u"XYZ", 1, u"echo.dll", 5);
    ASSERT_NE(reg, 0u);
    EXPECT_EQ(RegisterDevice(u"XYZ", 1, u"echo.dll", 5), 0u);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    HANDLE file = CreateFile(u"ECH1:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    BYTE out[4];
    DWORD returned = 0;
    EXPECT_TRUE(DeviceIoControl(file, 7, nullptr, 0, out, 4, &returned, nullptr));
    EXPECT_EQ(returned, 4u);
    EXPECT_FALSE(DeviceIoControl(file, 8, nullptr, 0, out, 4, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_NOT_SUPPORTED);
    CloseHandle(file);
    EXPECT_EQ(driver->closes, 1);
    EXPECT_TRUE(DeregisterDevice(reg));
    EXPECT_EQ(driver->deinits, 1);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"ECH1:"));
}

TEST_F(DeviceManagerTest, OpenHandleOfARemovedDeviceFails) {
    HANDLE reg = RegisterDevice(u"XYZ", 2, u"echo.dll", 5);
    HANDLE file = CreateFile(u"ECH2:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0);
    DeregisterDevice(reg);
    BYTE out[4];
    EXPECT_FALSE(DeviceIoControl(file, 7, nullptr, 0, out, 4, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_REMOVED);
    CloseHandle(file);
    EXPECT_EQ(driver->closes, 0);  // the driver was gone already
}

TEST_F(DeviceManagerTest, UnknownDriverFileCannotBeRegistered) {
    EXPECT_EQ(RegisterDevice(u"XYZ", 1, u"missing.dll", 0), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}
