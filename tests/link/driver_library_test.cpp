// The driver library's own state: the registration it holds, unloading, the attach and a failed
// load. Which driver versions are accepted and which bindings are listed is what the ad_api_*
// and ad_bindings_* scripts show.
#include "link/driver_library.h"

#include "link/driver_link.h"
#include "link_fixture.h"

using DriverLibraryTest = LinkTest;

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

// A link whose start failed after loading the driver still unloads it when it stops.
TEST_F(DriverLibraryTest, FailedLoadKeepsItsErrorAndAFailedStartStillUnloads) {
    EXPECT_EQ(OpenControlChannel(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(DriverLibrary().lastLoadError, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DriverLibrary().driverLoaded);

    Scenario scenario = Scenario::Default();
    scenario.driver.apiVersion = 0x500;
    Start(scenario);
    DriverLink link;
    EXPECT_FALSE(link.Start());
    EXPECT_TRUE(link.Stop());
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
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
