// The page as the user first sees it: the first refresh, the meters, the network type and the
// "Set AP" button.
#include "controls/gradient_meter.h"
#include "status_fixture.h"

TEST_F(StatusTest, ConnectedLinkShowsAtOnceWhileMetersAndIpWaitForTheirRefreshes) {
    Desc().ipAddress.reset();  // the card's own address while its link is up: 192.0.2.15
    Run([this] {
        EXPECT_EQ(Text(IDC_STATUS), std::string("Connected: ") + HOME_BSSID);
        EXPECT_EQ(Text(IDC_SSID), "home");
        EXPECT_EQ(Text(IDC_NETWORK_TYPE), "Infrastructure Station");
        EXPECT_EQ(Text(IDC_CHANNEL), "6");
        EXPECT_EQ(Text(IDC_TX_RATE), "11 Mbps");
        EXPECT_EQ(Text(IDC_MAC_ADDRESS), "00-0A-0B-1C-2D-3E");
        EXPECT_EQ(Text(IDC_PROFILE), "(default)");
        // The helper knew the address from the start; the page shows it from its own timer.
        EXPECT_EQ(Text(IDC_IP_ADDRESS), "");
        for (int id : {IDC_SIGNAL_METER, IDC_QUALITY_METER}) {
            auto* meter = dynamic_cast<GradientMeter*>(FindControl(*page, id));
            ASSERT_NE(meter, nullptr);
            ControlState state = meter->Describe();
            EXPECT_EQ(state.rangeLower, 0);
            EXPECT_EQ(state.rangeUpper, 100);
            EXPECT_EQ(state.position, 0);
            EXPECT_EQ(meter->startColor, 0x00EEEEAFu);
            EXPECT_EQ(meter->endColor, 0x00FF0000u);
            EXPECT_EQ(meter->textColor, 0x00FFFFFFu);
            EXPECT_TRUE(meter->showText);
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
                                                           "Ad hoc station"},
                                           NetworkTypeCase{1, 1, 2, "Infrastructure Station",
                                                           "Infrastructure Station"}));

TEST_F(StatusTest, SetApOpensTheShortcutOnAClickOnly) {
    Run([this] {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SET_AP, EN_CHANGE), 0);
        EXPECT_TRUE(ShellRequests().empty());
        ASSERT_TRUE(ClickControl(*page, IDC_SET_AP));
        ASSERT_EQ(ShellRequests().size(), 1u);
        const ShellRequest& request = ShellRequests()[0];
        EXPECT_EQ(request.verb, "Open");
        EXPECT_EQ(request.file, "\\My Documents\\Larkspur Utility\\callnetwork.lnk");
        EXPECT_EQ(request.parameters, "");
        EXPECT_EQ(request.show, 0);
        EXPECT_EQ(request.mask, 0u);
        EXPECT_TRUE(ui.boxes.empty());
    });
}
