// The Site Survey page: the rows a rescan shows, the list's limits, the rescan sequence with
// its busy cursor and processing dialog.
#include "adapter/oid_codes.h"
#include "pages_fixture.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class SiteSurveyTest : public PagesTest {
  protected:
    CScanResult& Page() { return main->SiteSurveyPage(); }
    ControlState List() { return FindControl(Page(), IDC_NETWORK_LIST)->Describe(); }
    void Rescan() {
        ShowTab(SITE_SURVEY_TAB);
        ASSERT_TRUE(ClickControl(Page(), IDC_RESCAN));
    }
};

TEST_F(SiteSurveyTest, RowsShowEachFieldByItsRules) {
    const std::string longSsid(32, 'L');
    AddNetwork(longSsid, 1).signalDbm = -100;
    NetworkSpec& adHoc = AddNetwork(std::string("ab\0cd", 5), 2);
    adHoc.mode = 0;
    adHoc.privacy = 1;
    adHoc.signalDbm = -80;
    adHoc.channel = 14;
    adHoc.rates = {0x82, 0x84, 0x8B, 0x96};
    NetworkSpec& automatic = AddNetwork("auto", 3);
    automatic.mode = 2;
    automatic.privacy = 2;
    automatic.signalDbm = -79;
    automatic.rates = {0x02, 0x04};
    NetworkSpec& ofdm = AddNetwork("ofdm", 4);
    ofdm.mode = 7;
    ofdm.signalDbm = -60;
    ofdm.channel = 36;  // not in the 2.4 GHz table
    ofdm.rates = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24};
    for (int dbm : {-41, -40, -20}) AddNetwork("s", static_cast<BYTE>(-dbm)).signalDbm = dbm;
    Run([&] {
        Rescan();
        const Rows expected{
            {longSsid, "02-ab-cd-ef-00-01", "AP", "Off", "1", "1 %", ""},
            {"ab", "02-ab-cd-ef-00-02", "Ad hoc", "On", "14", "1 %", "1M*, 2M*, 5.5M*, 11M*"},
            {"auto", "02-ab-cd-ef-00-03", "Auto", "Off", "1", "2 %", "1M, 2M"},
            {"ofdm", "02-ab-cd-ef-00-04", "Auto", "Off", "", "50 %",
             "1M*, 2M*, 5.5M*, 11M*, , , , "},
            {"s", "02-ab-cd-ef-00-29", "AP", "Off", "1", "97 %", ""},
            {"s", "02-ab-cd-ef-00-28", "AP", "Off", "1", "100 %", ""},
            {"s", "02-ab-cd-ef-00-14", "AP", "Off", "1", "100 %", ""},
        };
        EXPECT_EQ(List().rows, expected);
    });
}

TEST_F(SiteSurveyTest, NoRowsBeforeTheFirstRescanThenColumnsFitTheirContents) {
    AddNetwork(std::string(32, 'W'), 1);
    Run([this] {
        ShowTab(SITE_SURVEY_TAB);
        const ControlState list = List();
        EXPECT_TRUE(list.rows.empty());
        for (int width : list.columnWidths) EXPECT_GT(width, ListView::kCellPadding);
        EXPECT_EQ(dynamic_cast<ListView*>(Page().GetDlgItem(IDC_NETWORK_LIST))->GetExtendedStyle(),
                  0x70u);
        Rescan();
        EXPECT_GT(List().columnWidths[0], list.columnWidths[0]);
    });
}

TEST_F(SiteSurveyTest, ThirtyTwoNetworksAreListedAThirtyThirdIsRefused) {
    for (int i = 0; i < 32; ++i) AddNetwork("n" + std::to_string(i), static_cast<BYTE>(i));
    Run([this] {
        Rescan();
        ASSERT_EQ(List().rows.size(), 32u);
        EXPECT_EQ(List().rows[31][0], "n31");
        EXPECT_TRUE(ui.boxes.empty());
        card->AddFault(FaultOf(OID_PRIV_BSSID_LIST, FaultKind::ListCount, 33));
        ASSERT_TRUE(ClickControl(Page(), IDC_RESCAN));
        EXPECT_TRUE(List().rows.empty());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "listBssid.NumberOfItems > MAX_NUM_SCAN_LIST");
    });
}

// Escape ends the wait early and the list is fetched at once (the scan is not done: empty);
// a full wait takes three seconds under the busy cursor.
TEST_F(SiteSurveyTest, RescanWaitsInTheProcessingDialogUnderTheBusyCursor) {
    AddNetwork("home", 1);
    Desc().scanTimeMs = 2000;
    bool escape = true;
    bool busyWhileOpen = false;
    onProcessing = [&](CProcessingDialog& dialog) {
        busyWhileOpen = WindowManager::Instance().IsWaitCursorShown();
        EXPECT_EQ(dialog.GetParent(), nullptr);
        if (!escape) return;
        Wait(500);
        PressEscape(dialog);
    };
    Run([&] {
        DWORD started = GetTickCount();
        Rescan();
        EXPECT_EQ(GetTickCount() - started, 500u);
        EXPECT_TRUE(List().rows.empty());
        escape = false;
        started = GetTickCount();
        ASSERT_TRUE(ClickControl(Page(), IDC_RESCAN));
        EXPECT_EQ(GetTickCount() - started, 3000u);
        EXPECT_TRUE(busyWhileOpen);
        EXPECT_EQ(ui.cursorChanges, (std::vector<bool>{true, false, true, false}));
        EXPECT_EQ(List().rows.size(), 1u);
        // A double tap changes nothing.
        ASSERT_TRUE(DoubleClickItem(Page(), IDC_NETWORK_LIST, 0));
        EXPECT_EQ(processingRuns, 2);
        EXPECT_EQ(List().rows.size(), 1u);
    });
}

// The dialog alone: the bar's position tick by tick, and the end on the thirtieth tick.
TEST_F(PagesTest, ProcessingBarStopsAtNinetySixOnTheThirtiethTick) {
    Run([this] {
        onProcessing = [this](Dialog& d) {
            EXPECT_EQ(FindControl(d, IDC_PROCESSING_TEXT)->Describe().text, "");
            const std::pair<DWORD, int> ticks[] = {{100, 0}, {100, 3}, {2700, 93}, {100, 96}};
            for (auto [ms, position] : ticks) {
                EXPECT_FALSE(d.IsEnding());
                Wait(ms);
                EXPECT_EQ(FindControl(d, IDC_PROCESSING_PROGRESS)->Describe().position, position);
            }
        };
        EXPECT_EQ(CProcessingDialog().DoModal(), IDOK);
    });
}

}  // namespace
