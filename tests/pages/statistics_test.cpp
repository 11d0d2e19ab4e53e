// The Statistics page: counts since the baseline, throughput per tick, Reset, the timer only
// while the page is in front, a counter that restarts, and a page without an adapter.
#include "pages_fixture.h"
#include "res/utility_resources.h"

namespace {

class StatisticsTest : public PagesTest {
  protected:
    CStatistics& Page() { return main->StatisticsPage(); }
    std::string Text(int id) { return Page().GetDlgItemText(id); }
    bool TimerRuns() {
        return TimerTable::Instance().IsSet(Page().Handle(), CStatistics::SAMPLE_TIMER);
    }
    void SetTraffic(double txBytes, double rxBytes) {
        TrafficSpec traffic;
        traffic.txBytesPerSec = txBytes;
        traffic.rxBytesPerSec = rxBytes;
        card->WithCard([&](CardModel& m) { m.SetTraffic(traffic, GetTickCount()); });
    }
};

TEST_F(StatisticsTest, ThroughputPerTickAndTheUnpaddedZeroAfterReset) {
    Desc().traffic.txBytesPerSec = 125000;  // 375000 bytes a tick
    Run([this] {
        ShowTab(STATISTICS_TAB);
        EXPECT_EQ(Text(IDC_TX_THROUGHPUT), "0.00");
        Wait(3000);
        EXPECT_EQ(Text(IDC_TX_THROUGHPUT), " 1000.00");
        EXPECT_EQ(Text(IDC_RX_THROUGHPUT), "    0.00");
        SetTraffic(0, 1000);  // 1000 bytes received in the next tick, nothing sent
        Wait(1000);
        SetTraffic(0, 0);
        Wait(2000);
        EXPECT_EQ(Text(IDC_TX_THROUGHPUT), "    0.00");
        EXPECT_EQ(Text(IDC_RX_THROUGHPUT), "    2.67");
        ASSERT_TRUE(ClickControl(Page(), IDC_RESET));
        EXPECT_EQ(Text(IDC_TX_THROUGHPUT), "0.00");
        EXPECT_EQ(Text(IDC_RX_THROUGHPUT), "0.00");
    });
}

TEST_F(StatisticsTest, CountsFollowTheBaselineAcrossTabsResetAndACounterRestart) {
    TrafficSpec& traffic = Desc().traffic;
    traffic.txFramesPerSec = 10;
    traffic.rxFramesPerSec = 20;
    traffic.txErrorsPerSec = 1;
    traffic.rxErrorsPerSec = 2;
    Run([this] {
        Wait(6000);
        EXPECT_FALSE(TimerRuns());
        ShowTab(STATISTICS_TAB);  // the counts at once, the throughput at the first tick
        EXPECT_TRUE(TimerRuns());
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "60");
        EXPECT_EQ(Text(IDC_TX_ERROR), "6");
        EXPECT_EQ(Text(IDC_RX_SUCCESS), "120");
        EXPECT_EQ(Text(IDC_RX_CRC_ERROR), "12");
        EXPECT_EQ(Text(IDC_TX_THROUGHPUT), "0.00");
        ShowTab(0);
        EXPECT_FALSE(TimerRuns());
        Wait(3000);
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "60");
        ShowTab(STATISTICS_TAB);
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "90");
        ASSERT_TRUE(ClickControl(Page(), IDC_RESET));
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "0");
        EXPECT_EQ(Text(IDC_RX_CRC_ERROR), "0");
        Wait(3000);
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "30");
        card->WithCard([](CardModel& m) {
            m.RestartCounters(GetTickCount());
        });  // the driver's counts fall below the baseline of 90
        Wait(3000);
        EXPECT_EQ(Text(IDC_TX_SUCCESS), "-60");
        EXPECT_EQ(Text(IDC_RX_SUCCESS), "-120");
    });
}

TEST_F(StatisticsTest, WithoutAnAdapterThePageSaysSoAndPollsNothing) {
    RegisterUtilityResources();
    CStatistics page;
    ASSERT_TRUE(page.Create(nullptr));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Device == NULL");
    page.OnSetActive();
    EXPECT_FALSE(TimerTable::Instance().IsSet(page.Handle(), CStatistics::SAMPLE_TIMER));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESET, BN_CLICKED), 0);
    EXPECT_EQ(page.GetDlgItemText(IDC_TX_THROUGHPUT), "0.00");
    page.DestroyWindow();
}

}  // namespace
