// Link refresh and disconnected poll: meters, the disconnected state shown once per
// disconnection, the poll's texts by scan state, and a connection read that fails.
#include "status_fixture.h"

struct SignalCase {
    int dbm;
    int signal;   // meter position: strength - 1
    int quality;  // the card's quality for that signal
};

class SignalTest : public StatusTest, public ::testing::WithParamInterface<SignalCase> {};

TEST_P(SignalTest, SignalMeterShowsOneLessThanTheStrength) {
    const SignalCase& c = GetParam();
    Run([&] {
        card->WithCard([&](CardModel& m) { m.SetSignal(c.dbm, GetTickCount()); });
        At(5000);
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), c.signal);
        EXPECT_EQ(MeterPosition(IDC_QUALITY_METER), c.quality);
    });
}

// -40 dBm is strength 100, -90 dBm strength 1.
INSTANTIATE_TEST_SUITE_P(Strengths, SignalTest,
                         ::testing::Values(SignalCase{-40, 99, 100}, SignalCase{-90, 0, 10},
                                           SignalCase{-60, 49, 70}));

TEST_F(StatusTest, DroppedLinkShowsDisconnectedOnceThenThePollTexts) {
    Run([this] {
        SetRegistrySsid("office");
        At(5000);
        ASSERT_EQ(MeterPosition(IDC_SIGNAL_METER), 49);
        DropLink();
        At(10000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected");
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 0);
        EXPECT_EQ(MeterPosition(IDC_QUALITY_METER), 0);
        EXPECT_EQ(Text(IDC_SSID), "office");
        EXPECT_EQ(TimerTable::Instance().Period(page->Handle(), CConfig::POLL_TIMER), 3000u);
        At(12999);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected");
        EXPECT_EQ(Text(IDC_TX_RATE), "11 Mbps");
        At(13000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        EXPECT_EQ(Text(IDC_TX_RATE), "");
        EXPECT_EQ(Text(IDC_SSID), "home");  // the driver's own SSID again
        card->WithCard([&](CardModel& m) { m.SetScanState(1); });
        At(15000);  // the link refresh leaves the poll's line alone
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        At(16000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected. Scanning...");
        card->WithCard([&](CardModel& m) { m.SetScanState(8); });
        At(19000);
        EXPECT_EQ(Text(IDC_STATUS), std::string("Disconnected. BSSID: ") + HOME_BSSID);
    });
}

TEST_F(StatusTest, ScanStateEightReadsTheBssidOnceUntilAnotherStateComes) {
    Run([this] {
        At(5000);
        DropLink(8);
        At(10000);
        card->ClearRequests();
        const std::string home = std::string("Disconnected. BSSID: ") + HOME_BSSID;
        DWORD poll = 13000;
        At(poll);
        EXPECT_EQ(Text(IDC_STATUS), home);
        EXPECT_EQ(Queries(OID_PRIV_BSSID), 1);
        LinkSpec moved = card->WithCard([](CardModel& m) { return m.Link(); });
        moved.bssid = OFFICE_AP;
        card->WithCard([&](CardModel& m) { m.SetLink(moved, GetTickCount()); });
        for (DWORD code : {8u, 6u, 7u, 8u}) {
            card->WithCard([&](CardModel& m) { m.SetScanState(code); });
            At(poll += 3000);
            EXPECT_EQ(Text(IDC_STATUS), home) << code;
        }
        EXPECT_EQ(Queries(OID_PRIV_BSSID), 1);
        card->WithCard([&](CardModel& m) { m.SetScanState(0); });
        At(poll += 3000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        card->WithCard([&](CardModel& m) { m.SetScanState(8); });
        At(poll += 3000);
        EXPECT_EQ(Text(IDC_STATUS), std::string("Disconnected. BSSID: ") + OFFICE_BSSID);
        EXPECT_EQ(Queries(OID_PRIV_BSSID), 2);
    });
}

class QuietScanStateTest : public StatusTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(QuietScanStateTest, LeavesTheStatusLineButRefreshesTheRest) {
    Run([this] {
        SetRegistrySsid("office");
        At(5000);
        DropLink(GetParam());
        At(10000);
        ASSERT_EQ(Text(IDC_SSID), "office");
        At(13000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected");
        EXPECT_EQ(Text(IDC_TX_RATE), "");
        EXPECT_EQ(Text(IDC_SSID), "home");
    });
}

INSTANTIATE_TEST_SUITE_P(Codes, QuietScanStateTest, ::testing::Values(6u, 7u));

TEST_F(StatusTest, ReconnectionStopsThePoll) {
    Run([this] {
        At(5000);
        LinkSpec link = card->WithCard([](CardModel& m) { return m.Link(); });
        DropLink(1);
        At(10000);
        ASSERT_TRUE(TimerRuns(CConfig::POLL_TIMER));
        card->WithCard([&](CardModel& m) { m.SetLink(link, GetTickCount()); });
        At(15000);
        EXPECT_EQ(Text(IDC_STATUS), std::string("Connected: ") + HOME_BSSID);
        EXPECT_EQ(Text(IDC_TX_RATE), "11 Mbps");
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 49);
        EXPECT_FALSE(TimerRuns(CConfig::POLL_TIMER));
        card->ClearRequests();
        At(30000);
        EXPECT_EQ(Queries(OID_PRIV_SCAN_STATE), 0);
        // A second drop is shown again.
        DropLink(1);
        At(35000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected");
    });
}

TEST_F(StatusTest, UnansweredConnectionReadChangesNothingOfTheLinkState) {
    Run([this] {
        card->AddFault(Refusal(OID_GEN_MEDIA_CONNECT_STATUS));
        At(3000);
        ASSERT_EQ(Text(IDC_STATUS), "Disconnected.");  // the poll's first tick
        card->ClearRequests();
        At(5000);
        EXPECT_EQ(Queries(OID_PRIV_SSID), 1);  // the refresh ran up to the connection read
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        EXPECT_EQ(Text(IDC_TX_RATE), "");
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 0);
        EXPECT_TRUE(TimerRuns(CConfig::POLL_TIMER));
    });
}
