// Start-up: adapter choice, the sheet and its pages, and what is left after the run.
#include "app_fixture.h"

namespace {

void ExpectStatusPageInFront(MainDialog& main) {
    PropertySheet* sheet = FindSheet(main);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->IsWindowVisible());
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    EXPECT_EQ(sheet->GetActivePage(), &main.StatusPage());
    EXPECT_TRUE(main.StatusPage().IsWindowVisible());
    EXPECT_EQ(WindowManager::Instance().FrontWindow(), &main.StatusPage());
}

}  // namespace

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

class ChooserTest : public AppTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChooserTest, ListsSortedPreselectsTheFirstAndOpensTheChosenOne) {
    const int choice = GetParam();
    // The driver reports them in reverse order.
    StartDriver({Adapter(u"SDW2", MAC_2), Adapter(u"SDW1", MAC_1)});
    Run([choice](MainDialog& main) {
        EXPECT_EQ(main.Chooser().Items(), (std::vector<std::string>{"SDW1", "SDW2"}));
        EXPECT_EQ(main.Chooser().GetCurSel(), 0);
        EXPECT_EQ(FindSheet(main), nullptr);
        EXPECT_EQ(main.Adapter(), nullptr);
        EXPECT_EQ(main.StatusPage().Adapter(), nullptr);
        ASSERT_TRUE(SelectItem(main, 1000, choice));
        ASSERT_TRUE(ClickControl(main, 1001));
        ExpectStatusPageInFront(main);
        EXPECT_EQ(main.AdapterName(), choice == 0 ? "SDW1" : "SDW2");
        EXPECT_EQ(MacText(main), choice == 0 ? "00-0A-0B-00-00-01" : "00-0A-0B-00-00-02");
        // A second OK opens nothing more.
        WlanAdapter* opened = main.Adapter();
        ClickControl(main, 1001);
        EXPECT_EQ(main.Adapter(), opened);
    });
    EXPECT_EQ(mainLoops, 1);
}

INSTANTIATE_TEST_SUITE_P(Choice, ChooserTest, ::testing::Values(0, 1));

// The list is read up to its empty name, whatever byte count the driver reports with it.
TEST_F(AppTest, MiscountedBindingListStillListsEveryAdapter) {
    for (DWORD reported : {0u, 4u}) {
        scenario.driver.reportedBindingBytes = reported;
        StartDriver({Adapter(u"SDW1", MAC_1), Adapter(u"SDW2", MAC_2)});
        Run([reported](MainDialog& main) {
            EXPECT_EQ(main.Chooser().Items(), (std::vector<std::string>{"SDW1", "SDW2"}))
                << "reported " << reported << " bytes";
        });
    }
    EXPECT_EQ(mainLoops, 2);
}

TEST_F(AppTest, FirstFourPagesAreInitialisedOnceAndAboutOnItsFirstSelection) {
    StartDriver({Adapter(u"SDW1", MAC_1)});
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
