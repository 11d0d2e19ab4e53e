#include "link/driver_link.h"

#include "link_fixture.h"

using DriverLinkTest = LinkTest;

namespace {

struct BindingCase {
    const char* name;
    std::vector<std::u16string> adapters;
    std::vector<std::u16string> wired;
    std::optional<std::u16string> rawBindings;  // the list as the driver reports it
    std::optional<DWORD> reportedBytes;
    std::vector<std::string> listed;
};

const std::u16string kLongA(31, u'A');
const std::u16string kLongB(31, u'B');
const std::u16string kEnd(1, u'\0');

class BindingList : public LinkTest, public ::testing::WithParamInterface<BindingCase> {};

}  // namespace

TEST_P(BindingList, ListsTheWirelessAdaptersInsideTheBuffer) {
    const BindingCase& c = GetParam();
    Scenario scenario = WithAdapters(c.adapters, c.wired);
    scenario.driver.rawBindings = c.rawBindings;
    scenario.driver.reportedBindingBytes = c.reportedBytes;
    Start(scenario);
    DriverLink link;
    ASSERT_TRUE(link.Start());
    link.EnumerateAdapters(chooser);
    EXPECT_EQ(entries, c.listed);
    EXPECT_EQ(selected, c.listed.empty() ? -1 : 0);
    EXPECT_EQ(link.AdapterCount(), static_cast<int>(c.listed.size()));
    link.Stop();
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BindingList,
    ::testing::Values(
        BindingCase{
            "OnlyWireless", {u"WLAN1", u"ETH1", u"WLAN2"}, {u"ETH1"}, {}, {}, {"WLAN1", "WLAN2"}},
        BindingCase{"EmptyFirstEntry", {u"W"}, {}, kEnd + u"W" + kEnd + kEnd, {}, {}},
        // Two names of 31 units and their NULs fill exactly 128 bytes: no closing empty name.
        BindingCase{"FillsTheBuffer",
                    {kLongA, kLongB, u"CCCC"},
                    {},
                    kLongA + kEnd + kLongB + kEnd + u"CCCC" + kEnd,
                    {},
                    {std::string(31, 'A'), std::string(31, 'B')}},
        // A name running past the buffer without its NUL is tried cut at the buffer's end.
        BindingCase{"UnterminatedAtTheEnd",
                    {u"WLAN1"},
                    {},
                    u"WLAN1" + kEnd + std::u16string(70, u'X'),
                    {},
                    {"WLAN1"}},
        BindingCase{"CountLargerThanTheBuffer", {u"WLAN1"}, {}, {}, 4000, {"WLAN1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverLinkTest, FailedStartStillEnumeratesAndStops) {
    Scenario scenario = WithAdapters({u"WLAN1"});
    scenario.driver.apiVersion = 0x500;
    Start(scenario);
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
