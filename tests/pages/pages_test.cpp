// What the st_survey_*, st_processing_bar and st_stats_* scripts cannot see: the survey list's
// style and column widths, and the Statistics page without an adapter.
#include "platform/ui/list_view.h"
#include "platform/ui/timer_table.h"
#include "res/resource_ids.h"
#include "res/utility_resources.h"
#include "support/app_world.h"

namespace {

class PagesTest : public AppWorld {};

TEST_F(PagesTest, SurveyListIsEmptyUntilARescanThenFitsItsColumns) {
    scenario = HomeScenario(u"SDW1");
    NetworkSpec& wide = scenario.networks.emplace_back();
    wide.ssid = std::string(32, 'W');
    wide.bssid = {0x02, 0xAB, 0xCD, 0xEF, 0x00, 0x01};
    StartDriver();
    RunApp([&] {
        CScanResult& page = main->SiteSurveyPage();
        ASSERT_TRUE(SelectTab(main->Sheet(), 2));
        auto* list = dynamic_cast<ListView*>(page.GetDlgItem(IDC_NETWORK_LIST));
        const ControlState before = list->Describe();
        EXPECT_TRUE(before.rows.empty());
        for (int width : before.columnWidths) EXPECT_GT(width, ListView::kCellPadding);
        EXPECT_EQ(list->GetExtendedStyle(), 0x70u);
        ASSERT_TRUE(ClickControl(page, IDC_RESCAN));
        EXPECT_GT(list->Describe().columnWidths[0], before.columnWidths[0]);
    });
}

TEST_F(PagesTest, StatisticsWithoutAnAdapterSaysSoAndPollsNothing) {
    RegisterUtilityResources();
    CStatistics page;
    ASSERT_TRUE(page.Create(nullptr));
    ASSERT_EQ(Messages(), std::vector<std::string>{"Device == NULL"});
    page.OnSetActive();
    EXPECT_FALSE(TimerTable::Instance().IsSet(page.Handle(), CStatistics::SAMPLE_TIMER));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESET, BN_CLICKED), 0);
    EXPECT_EQ(page.GetDlgItemText(IDC_TX_THROUGHPUT), "0.00");
    page.DestroyWindow();
}

}  // namespace
