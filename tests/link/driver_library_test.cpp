#include "link/driver_library.h"

#include "link/driver_link.h"
#include "link_fixture.h"

using DriverLibraryTest = LinkTest;

class VersionRule : public LinkTest,
                    public ::testing::WithParamInterface<std::pair<DWORD, bool>> {};

TEST_P(VersionRule, AcceptsOnlyTheSameSecondByte) {
    auto [version, accepted] = GetParam();
    driver->apiVersion = version;
    DriverLink link;
    EXPECT_EQ(link.Start(), accepted);
    if (accepted) {
        EXPECT_TRUE(messages.empty());
        EXPECT_NE(link.ControlChannel(), INVALID_HANDLE_VALUE);
    } else {
        EXPECT_EQ(messages, std::vector<std::string>{"Library API version is not compatibility!!"});
        EXPECT_EQ(link.ControlChannel(), INVALID_HANDLE_VALUE);
    }
    EXPECT_EQ(link.DriverApiVersion(), version);
    link.Stop();
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionRule,
                         ::testing::Values(std::pair{0x00000400u, true},
                                           std::pair{0x000004FFu, true},
                                           std::pair{0x12340456u, true},
                                           std::pair{0x00000500u, false},
                                           std::pair{0x0400050Eu, false}));

TEST_F(DriverLibraryTest, VersionCompatibilityLooksOnlyAtBitsEightToFifteen) {
    EXPECT_TRUE(ApiVersionsMatch(0x0400040E, 0xFFFF04FF));
    EXPECT_FALSE(ApiVersionsMatch(0x0400040E, 0x0400030E));
    EXPECT_EQ(GetLibraryApiVersion(), 0x0400040Eu);
}

TEST_F(DriverLibraryTest, LoadingRegistersTheDriverAndHandsTheHandleToEveryOpen) {
    HANDLE channel = OpenControlChannel();
    ASSERT_NE(channel, INVALID_HANDLE_VALUE);
    auto& lib = DriverLibrary();
    EXPECT_TRUE(lib.driverLoaded);
    EXPECT_NE(lib.registrationHandle, 0u);
    EXPECT_EQ(lib.lastLoadError, 0u);
    ASSERT_EQ(driver->CountCalls(IOCTL_RAD4_SET_REGISTRATION), 1u);
    EXPECT_EQ(driver->heldRegistration, lib.registrationHandle);
    CloseControlChannel(channel);

    // At unload the driver says "unload" and the handle it holds is deregistered.
    UnloadDriver();
    EXPECT_FALSE(lib.driverLoaded);
    EXPECT_EQ(lib.registrationHandle, 0u);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_DETACH), 1u);
}

TEST_F(DriverLibraryTest, DriverLoadedBySomeoneElseIsNotRegisteredAgain) {
    HANDLE foreign = PreloadDriver();
    ASSERT_NE(foreign, 0u);
    HANDLE channel = OpenControlChannel();
    ASSERT_NE(channel, INVALID_HANDLE_VALUE);
    EXPECT_EQ(DriverLibrary().registrationHandle, 0u);
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_SET_REGISTRATION), 0u);
    CloseControlChannel(channel);

    // The other process handed its handle to the driver; it comes back at unload.
    driver->heldRegistration = foreign;
    UnloadDriver();
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_FALSE(DriverLibrary().driverLoaded);
}

TEST_F(DriverLibraryTest, DriverThatWantsToStayIsNotDeregistered) {
    driver->unloadWord = 0;
    HANDLE channel = OpenControlChannel();
    CloseControlChannel(channel);
    UnloadDriver();
    EXPECT_TRUE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_GET_REGISTRATION), 0u);
}

TEST_F(DriverLibraryTest, FailedRegistrationKeepsItsError) {
    DeviceManager::Instance().UninstallModule(RAD4_DRIVER_FILE);
    EXPECT_EQ(OpenControlChannel(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(DriverLibrary().lastLoadError, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DriverLibrary().driverLoaded);

    DriverLink link;
    EXPECT_FALSE(link.Start());
    EXPECT_EQ(messages.back(), "Can not open control channel!!");
}

TEST_F(DriverLibraryTest, AttachIsSentOncePerProcessEvenWhenTheDriverRefuses) {
    driver->attachStatus = 0xC0000001;
    HANDLE channel = OpenControlChannel();
    EXPECT_EQ(AttachClient(channel), 0xC0000001u);
    EXPECT_TRUE(DriverLibrary().clientAttached);
    EXPECT_EQ(AttachClient(channel), 0u);
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_ATTACH), 1u);
    EXPECT_EQ(DetachClient(channel), 0u);
    EXPECT_FALSE(DriverLibrary().clientAttached);
    CloseControlChannel(channel);
}

TEST_F(DriverLibraryTest, MissingOutputPointerIsAnInvalidParameter) {
    HANDLE channel = OpenControlChannel();
    EXPECT_EQ(GetDriverApiVersion(channel, nullptr), ERROR_INVALID_PARAMETER);
    CloseControlChannel(channel);
}
