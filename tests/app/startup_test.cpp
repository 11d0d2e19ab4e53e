// Start-up: adapter choice, the sheet and its pages, and what is left after the run.
#include "app_fixture.h"

TEST_F(AppTest, WithoutAdapterTheWindowIsNeverShownAndNothingIsLeftRunning) {
    StartDriver({});
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(Run([](MainDialog&) {}), FALSE);
        EXPECT_EQ(mainLoops, 0);
        EXPECT_TRUE(WindowManager::Instance().TopLevelWindows().empty());
        EXPECT_EQ(WindowManager::Instance().MainWindow(), nullptr);
        EXPECT_FALSE(NextTimerDue().has_value());
        EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    }
}

// The chooser's list, preselection and choice are in the headless scripts two_adapters and
// ap_chooser_*.
TEST_F(AppTest, ASecondOkOfTheChooserOpensNothingMore) {
    StartDriver({u"SDW2", u"SDW1"});
    Run([](MainDialog& main) {
        EXPECT_EQ(main.Adapter(), nullptr);
        EXPECT_EQ(main.StatusPage().Adapter(), nullptr);
        ASSERT_TRUE(ClickControl(main, 1001));
        WlanAdapter* opened = main.Adapter();
        ASSERT_NE(opened, nullptr);
        ClickControl(main, 1001);
        EXPECT_EQ(main.Adapter(), opened);
    });
    EXPECT_EQ(mainLoops, 1);
}

TEST_F(AppTest, FirstFourPagesAreInitialisedOnceAndAboutOnItsFirstSelection) {
    StartDriver({u"SDW1"});
    Run([](MainDialog& main) {
        std::vector<UtilityPage*> early{&main.StatusPage(), &main.StatisticsPage(),
                                        &main.SiteSurveyPage(), &main.RadioPage()};
        for (UtilityPage* page : early) EXPECT_EQ(page->InitCount(), 1);
        EXPECT_EQ(main.AboutPage().InitCount(), 0);
        EXPECT_EQ(main.AboutPage().Handle(), 0u);
        PropertySheet& sheet = *FindSheet(main);
        for (int tab : {4, 1, 4, 3, 2, 0, 4}) ASSERT_TRUE(SelectTab(sheet, tab));
        EXPECT_EQ(main.AboutPage().InitCount(), 1);
        for (UtilityPage* page : early) EXPECT_EQ(page->InitCount(), 1);
        for (UtilityPage* page : {static_cast<UtilityPage*>(main.BasebandPage()),
                                  static_cast<UtilityPage*>(main.MacPage()),
                                  static_cast<UtilityPage*>(main.EepromPage())}) {
            EXPECT_EQ(page->InitCount(), 0);
        }
        EXPECT_EQ(main.ProfileDialog()->InitCount(), 0);
    });
}
