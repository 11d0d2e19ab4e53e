// The page as the user first sees it: the first refresh, the meters, the network type and the
// "Set AP" button.
#include "controls/gradient_meter.h"
#include "status_fixture.h"

// The first refresh's texts are in the start-up transcript; the meters and the address wait for
// their own timers.
TEST_F(StatusTest, MetersAndIpWaitForTheirRefreshes) {
    Desc().ipAddress.reset();  // the card's own address while its link is up: 192.0.2.15
    Run([this] {
        for (int id : {IDC_SIGNAL_METER, IDC_QUALITY_METER}) {
            auto* meter = dynamic_cast<GradientMeter*>(FindControl(*page, id));
            ASSERT_NE(meter, nullptr);
            EXPECT_EQ(
                std::tuple(meter->startColor, meter->endColor, meter->textColor, meter->showText),
                std::tuple(0x00EEEEAFu, 0x00FF0000u, 0x00FFFFFFu, true));
        }
        At(4999);
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 0);
        At(5000);
        EXPECT_EQ(MeterPosition(IDC_SIGNAL_METER), 49);
        EXPECT_EQ(MeterPosition(IDC_QUALITY_METER), 70);
        At(5999);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "");
        At(6000);
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "192.0.2.15");
    });
}

TEST_F(StatusTest, ConnectionStatusTwoReadsScanningUntilATimedRefreshWritesTheLine) {
    Desc().link.connected = false;
    Desc().link.connectStatus = 2;
    Run([this] {
        EXPECT_EQ(Text(IDC_STATUS), "Scanning");
        At(2999);
        EXPECT_EQ(Text(IDC_STATUS), "Scanning");
        At(3000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected.");
    });
}

struct NetworkTypeCase {
    DWORD apMode;          // OID_PRIV_AP_MODE: 2 access point
    DWORD infrastructure;  // OID_PRIV_INFRASTRUCTURE_MODE: 0 ad hoc
    DWORD apInfoMode;      // second word of OID_PRIV_AP_INFO
    const char* first;
    const char* timed;
};

class NetworkTypeTest : public StatusTest, public ::testing::WithParamInterface<NetworkTypeCase> {};

TEST_P(NetworkTypeTest, OnlyTheFirstRefreshNamesTheAccessPointMode) {
    const NetworkTypeCase& c = GetParam();
    Desc().settings.apMode = c.apMode;
    Desc().settings.infrastructureMode = c.infrastructure;
    Desc().apInfoMode = c.apInfoMode;
    Run([&] {
        EXPECT_EQ(Text(IDC_NETWORK_TYPE), c.first);
        EXPECT_EQ(Queries(OID_PRIV_AP_INFO), c.apMode == 2 ? 1 : 0);
        At(5000);
        EXPECT_EQ(Text(IDC_NETWORK_TYPE), c.timed);
        EXPECT_EQ(Queries(OID_PRIV_AP_INFO), c.apMode == 2 ? 1 : 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Types, NetworkTypeTest,
                         ::testing::Values(NetworkTypeCase{2, 1, 1, "AP (Mixed Mode)", "AP Mode"},
                                           NetworkTypeCase{2, 1, 2, "AP (11g Mode)", "AP Mode"},
                                           NetworkTypeCase{2, 1, 5, "AP (11b Mode)", "AP Mode"},
                                           NetworkTypeCase{1, 0, 1, "Ad hoc station",
                                                           "Ad hoc station"}));

TEST_F(StatusTest, SetApOpensTheShortcutOnAClickOnly) {
    Run([this] {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SET_AP, EN_CHANGE), 0);
        EXPECT_TRUE(ShellRequests().empty());
        ASSERT_TRUE(ClickControl(*page, IDC_SET_AP));
        ASSERT_EQ(ShellRequests().size(), 1u);
        const ShellRequest& request = ShellRequests()[0];
        EXPECT_EQ(
            std::tuple(request.verb, request.file, request.parameters, request.show, request.mask),
            std::tuple("Open", "\\My Documents\\Larkspur Utility\\callnetwork.lnk", "", 0, 0u));
        EXPECT_TRUE(ui.boxes.empty());
    });
}
