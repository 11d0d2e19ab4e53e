// What the st_survey_*, st_processing_bar and st_stats_* scripts cannot see: the survey list's
// style and column widths, the processing dialog's owner, and the Statistics page without an
// adapter.
#include "pages/c_processing_dialog.h"
#include "platform/ui/list_view.h"
#include "platform/ui/timer_table.h"
#include "res/resource_ids.h"
#include "res/utility_resources.h"
#include "support/app_world.h"

namespace {

class PagesTest : public AppWorld {};

TEST_F(PagesTest, SurveyColumnsFitTheirContentsAndTheRescanDialogHasNoOwner) {
    scenario = HomeScenario(u"SDW1");
    NetworkSpec& wide = scenario.networks.emplace_back();
    wide.ssid = std::string(32, 'W');
    wide.bssid = {0x02, 0xAB, 0xCD, 0xEF, 0x00, 0x01};
    int ownerless = 0;
    onOtherModal = [&ownerless](Dialog& dialog) {
        if (dynamic_cast<CProcessingDialog*>(&dialog) && dialog.GetParent() == nullptr) ++ownerless;
    };
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
        EXPECT_EQ(ownerless, 1);
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
