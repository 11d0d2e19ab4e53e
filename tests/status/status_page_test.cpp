// The Status page's meters and its "Set AP" button.
#include "controls/gradient_meter.h"
#include "status_fixture.h"

TEST_F(StatusTest, MetersShowTheirTextOnTheGradient) {
    Run([this] {
        for (int id : {IDC_SIGNAL_METER, IDC_QUALITY_METER}) {
            auto* meter = dynamic_cast<GradientMeter*>(FindControl(main->StatusPage(), id));
            ASSERT_NE(meter, nullptr);
            EXPECT_EQ(
                std::tuple(meter->startColor, meter->endColor, meter->textColor, meter->showText),
                std::tuple(0x00EEEEAFu, 0x00FF0000u, 0x00FFFFFFu, true));
        }
    });
}

TEST_F(StatusTest, SetApOpensTheShortcutOnAClickOnly) {
    Run([this] {
        CConfig& page = main->StatusPage();
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SET_AP, EN_CHANGE), 0);
        EXPECT_TRUE(ShellRequests().empty());
        ASSERT_TRUE(ClickControl(page, IDC_SET_AP));
        ASSERT_EQ(ShellRequests().size(), 1u);
        const ShellRequest& request = ShellRequests()[0];
        EXPECT_EQ(
            std::tuple(request.verb, request.file, request.parameters, request.show, request.mask),
            std::tuple("Open", "\\My Documents\\Larkspur Utility\\callnetwork.lnk", "", 0, 0u));
        EXPECT_TRUE(ui.boxes.empty());
    });
}
