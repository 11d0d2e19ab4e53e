// Activation and deactivation: the three timers run only while the page is in front, and the
// poll's first tick after an activation runs whatever the connection.
#include "status_fixture.h"

TEST_F(StatusTest, AnotherTabStopsEveryRefreshAndComingBackRestartsThem) {
    addresses = {{NAME_TEXT, "192.0.2.10"}};
    Run([this] {
        At(5000);
        const std::string connected = Text(IDC_STATUS);
        ASSERT_TRUE(SelectTab(main->Sheet(), 1));
        for (UINT_PTR id : {CConfig::LINK_TIMER, CConfig::ADDRESS_TIMER, CConfig::POLL_TIMER}) {
            EXPECT_FALSE(TimerRuns(id)) << id;
        }
        card->ClearRequests();
        card->WithCard([&](CardModel& m) { m.SetSignal(-40, GetTickCount()); });
        At(30000);
        EXPECT_EQ(Queries(OID_GEN_MEDIA_CONNECT_STATUS), 0);
        EXPECT_EQ(Queries(OID_PRIV_SCAN_STATE), 0);
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 49);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "");

        ASSERT_TRUE(SelectTab(main->Sheet(), 0));
        At(32999);
        EXPECT_EQ(Queries(OID_PRIV_SCAN_STATE), 0);
        At(33000);
        EXPECT_EQ(Queries(OID_PRIV_SCAN_STATE), 1);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        At(34999);
        EXPECT_EQ(Queries(OID_GEN_MEDIA_CONNECT_STATUS), 0);
        At(35000);
        EXPECT_EQ(Text(IDC_STATUS), connected);
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 99);
        At(35999);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "");
        At(36000);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "192.0.2.10");
    });
}

TEST_F(StatusTest, FirstPollAfterActivationRunsOnALiveLinkUntilTheLinkRefreshStopsIt) {
    Run([this] {
        const std::string connected = std::string("Connected: ") + HOME_BSSID;
        At(2999);
        EXPECT_EQ(Text(IDC_STATUS), connected);
        At(3000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
        EXPECT_EQ(Text(IDC_TX_RATE), "");
        At(5000);
        EXPECT_EQ(Text(IDC_STATUS), connected);
        EXPECT_EQ(Text(IDC_TX_RATE), "11 Mbps");
        EXPECT_FALSE(TimerRuns(CConfig::POLL_TIMER));
        At(20000);
        EXPECT_EQ(Text(IDC_STATUS), connected);
    });
}
