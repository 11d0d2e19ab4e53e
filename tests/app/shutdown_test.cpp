// Shutdown: the adapter's channel is closed while the driver is still loaded, then the driver
// link stops and unloads it; destroying a page ends the application.
#include "app_fixture.h"
#include "platform/core/handle_table.h"
#include "sim/sim_protocol_driver.h"

TEST_F(AppTest, AdapterIsClosedBeforeTheDriverIsUnloaded) {
    StartDriver({u"SDW1"});
    SimProtocolDriver* driver = nullptr;
    HANDLE witness = INVALID_HANDLE_VALUE;
    Run([&](MainDialog&) {
        driver = host->Driver();
        ASSERT_NE(driver, nullptr);
        // Our own handle keeps the driver object alive after it is unloaded, so that what it
        // saw can be read afterwards. An unloaded driver sees no more closes.
        witness = CreateFile(u"RAD4:", GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
    });
    ASSERT_NE(witness, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(driver->OpenCount(), 1u);  // the witness only
    CloseHandle(witness);
}

struct PageCase {
    const char* name;
    int tab;
    bool ends;
};

class PageDestroyTest : public AppTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageDestroyTest, DestroyingAPageWindowEndsTheApplicationWhenThePageSaysSo) {
    const PageCase& page = GetParam();
    StartDriver({u"SDW1"});
    bool ended = false;
    Run([&](MainDialog& main) {
        ASSERT_TRUE(SelectTab(main.Sheet(), page.tab));
        main.Sheet().GetPage(page.tab)->DestroyWindow();
        ended = main.IsEnding();
    });
    EXPECT_EQ(ended, page.ends) << page.name;
    EXPECT_TRUE(WindowManager::Instance().TopLevelWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, PageDestroyTest,
                         ::testing::Values(PageCase{"Status", 0, true},
                                           PageCase{"Statistics", 1, true},
                                           PageCase{"Site Survey", 2, false},
                                           PageCase{"Radio", 3, false},
                                           PageCase{"About", 4, true}));
