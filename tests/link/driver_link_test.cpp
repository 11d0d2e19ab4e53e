#include "link/driver_link.h"

#include "link_fixture.h"

using DriverLinkTest = LinkTest;

TEST_F(DriverLinkTest, ListsOnlyAdaptersThatAnswerTheWirelessOid) {
    AnswerWireless(u"WLAN1");
    AnswerWireless(u"ETH1", false);
    AnswerWireless(u"WLAN2");
    driver->SetBindings({u"WLAN1", u"ETH1", u"WLAN2"});
    DriverLink link;
    ASSERT_TRUE(link.Start());
    EXPECT_EQ(link.EnumerateAdapters(chooser), 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"WLAN1", "WLAN2"}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(link.AdapterCount(), 2);
    // Every probe handle was closed again.
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_OPEN_ADAPTER), 3u);
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_CLOSE_ADAPTER), 3u);
    link.Stop();
}

TEST_F(DriverLinkTest, EmptyFirstEntryListsNothing) {
    AnswerWireless(u"WLAN1");
    driver->bindings = {0, 0, 'W', 0, 0, 0, 0, 0};
    DriverLink link;
    ASSERT_TRUE(link.Start());
    link.EnumerateAdapters(chooser);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_OPEN_ADAPTER), 0u);
    link.Stop();
}

TEST_F(DriverLinkTest, ListFillingTheWholeBufferEndsAtTheBuffer) {
    // Two names of 31 units and their NULs fill exactly 128 bytes: no closing empty name.
    std::u16string first(31, u'A');
    std::u16string second(31, u'B');
    AnswerWireless(first);
    AnswerWireless(second);
    driver->bindings.clear();
    driver->AppendUnits(first, true);
    driver->AppendUnits(second, true);
    driver->AppendUnits(u"CCCC", true);  // beyond the buffer: never seen
    DriverLink link;
    ASSERT_TRUE(link.Start());
    link.EnumerateAdapters(chooser);
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_EQ(link.AdapterCount(), 2);
    link.Stop();
}

TEST_F(DriverLinkTest, NameNotTerminatedInsideTheBufferIsCutAtItsEnd) {
    AnswerWireless(u"WLAN1");
    driver->bindings.clear();
    driver->AppendUnits(u"WLAN1", true);
    driver->AppendUnits(std::u16string(70, u'X'), false);  // runs past 128 bytes, no NUL
    DriverLink link;
    ASSERT_TRUE(link.Start());
    link.EnumerateAdapters(chooser);
    EXPECT_EQ(entries, std::vector<std::string>{"WLAN1"});
    // The cut name was tried with only the units inside the buffer.
    ASSERT_EQ(driver->CountCalls(IOCTL_RAD4_OPEN_ADAPTER), 2u);
    const auto& last = driver->calls;
    std::size_t openBytes = 0;
    for (const auto& c : last) {
        if (c.code == IOCTL_RAD4_OPEN_ADAPTER) openBytes = c.input.size();
    }
    EXPECT_EQ(openBytes, (64u - 6u + 1u) * 2u);
    link.Stop();
}

TEST_F(DriverLinkTest, FailedStartStillEnumeratesAndStops) {
    driver->apiVersion = 0x500;
    AnswerWireless(u"WLAN1");
    driver->SetBindings({u"WLAN1"});
    DriverLink link;
    EXPECT_FALSE(link.Start());
    link.EnumerateAdapters(chooser);
    EXPECT_EQ(messages, (std::vector<std::string>{"Library API version is not compatibility!!",
                                                  "W32N_EnumProtocolBindings Error!!"}));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(link.AdapterCount(), 0);
    EXPECT_TRUE(link.Stop());
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
}

TEST_F(DriverLinkTest, StopWithoutDriverReturnsAtOnce) {
    DeviceManager::Instance().UninstallModule(RAD4_DRIVER_FILE);
    DriverLink link;
    EXPECT_FALSE(link.Start());
    EXPECT_TRUE(link.Stop());
    EXPECT_TRUE(driver->calls.empty());
}
