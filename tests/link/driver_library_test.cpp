#include "link/driver_library.h"

#include "link/driver_link.h"
#include "link_fixture.h"

using DriverLibraryTest = LinkTest;

class VersionRule : public LinkTest,
                    public ::testing::WithParamInterface<std::pair<DWORD, bool>> {};

TEST_P(VersionRule, AcceptsOnlyTheSameSecondByte) {
    auto [version, accepted] = GetParam();
    Scenario scenario = Scenario::Default();
    scenario.driver.apiVersion = version;
    Start(scenario);
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

TEST_F(DriverLibraryTest, LoadingRegistersTheDriverAndHandsTheHandleToEveryOpen) {
    Start();
    HANDLE channel = OpenControlChannel();
    ASSERT_NE(channel, INVALID_HANDLE_VALUE);
    auto& lib = DriverLibrary();
    EXPECT_TRUE(lib.driverLoaded);
    EXPECT_NE(lib.registrationHandle, 0u);
    EXPECT_EQ(lib.lastLoadError, 0u);
    EXPECT_EQ(host->Driver()->HeldRegistration(), lib.registrationHandle);
    EXPECT_EQ(GetDriverApiVersion(channel, nullptr), ERROR_INVALID_PARAMETER);
    CloseControlChannel(channel);

    // At unload the driver says "unload" and the handle it holds is deregistered.
    UnloadDriver();
    EXPECT_FALSE(lib.driverLoaded);
    EXPECT_EQ(lib.registrationHandle, 0u);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
}

TEST_F(DriverLibraryTest, DriverThatWantsToStayIsNotDeregistered) {
    Scenario scenario = Scenario::Default();
    scenario.driver.unloadAnswer = 0;
    Start(scenario);
    HANDLE channel = OpenControlChannel();
    CloseControlChannel(channel);
    UnloadDriver();
    EXPECT_TRUE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_NE(DriverLibrary().registrationHandle, 0u);
}

TEST_F(DriverLibraryTest, FailedRegistrationKeepsItsError) {
    EXPECT_EQ(OpenControlChannel(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(DriverLibrary().lastLoadError, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DriverLibrary().driverLoaded);

    DriverLink link;
    EXPECT_FALSE(link.Start());
    EXPECT_EQ(messages.back(), "Can not open control channel!!");
    EXPECT_TRUE(link.Stop());
}

TEST_F(DriverLibraryTest, AttachIsSentOncePerProcessEvenWhenTheDriverRefuses) {
    Scenario scenario = Scenario::Default();
    scenario.driver.attachStatus = 0xC0000001;
    Start(scenario);
    HANDLE channel = OpenControlChannel();
    EXPECT_EQ(AttachClient(channel), 0xC0000001u);
    EXPECT_TRUE(DriverLibrary().clientAttached);
    EXPECT_EQ(AttachClient(channel), 0u);  // not sent again: the driver would refuse again
    EXPECT_EQ(DetachClient(channel), 0u);
    EXPECT_FALSE(DriverLibrary().clientAttached);
    CloseControlChannel(channel);
}
