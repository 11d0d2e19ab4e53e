// The utility itself in the desktop window, started as from the command line (simulated card
// from the built-in scenario), with a picture taken as soon as it runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "desktop_fixture.h"
#include "main/program.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/resources.h"
#include "res/resource_ids.h"

namespace {

const std::vector<std::string> kTabs{"Status", "Statistics", "Site Survey", "Radio", "About"};
constexpr Rgb kMeterStart{0xAF, 0xEE, 0xEE};
constexpr Rgb kButtonFace{0xC0, 0xC0, 0xC0};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

class AppDesktopTest : public DesktopTest {
  protected:
    // The program as started from the command line, with a picture as soon as it runs.
    std::optional<RgbImage> RunUtilityWithPicture() {
        const std::string picture = PicturePath("utility");
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunProgram({"--registry", TempFile("registry.reg"), "--screenshot", picture,
                              "--after", "0"},
                             out, err),
                  0);
        EXPECT_EQ(err.str(), "");
        return ReadPng(picture);
    }

    // A control of the Status page, where the sheet shows it in the main window.
    WidgetBox StatusControlBox(int id) const {
        const DialogTemplate* page = Resources::Instance().FindDialog(IDD_STATUS);
        if (page == nullptr) return WidgetBox{};
        for (const ControlTemplate& control : page->controls) {
            if (control.id != id) continue;
            RECT rect{control.x, control.y, control.x + control.cx, control.y + control.cy};
            MapDialogRect(&rect);
            return geometry_.Map(OffsetRectBy(rect, 0, PropertySheet::kTabHeight), WidgetBox{});
        }
        return WidgetBox{};
    }

    int SheetWidth() const {
        int width = 0;
        for (int id : {IDD_STATUS, IDD_STATISTICS, IDD_SITE_SURVEY, IDD_RADIO, IDD_ABOUT}) {
            if (const DialogTemplate* page = Resources::Instance().FindDialog(id)) {
                width = std::max(width, DialogUnitsToPixelsX(page->cx));
            }
        }
        return geometry_.Length(width);
    }

    WidgetGeometry geometry_;  // the desktop mode's scale
};

TEST_F(AppDesktopTest, PictureShowsTheFiveTabsAndTheMetersAtZero) {
    std::optional<RgbImage> image = RunUtilityWithPicture();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, geometry_.Length(DialogUnitsToPixelsX(143)));
    EXPECT_EQ(image->height, geometry_.Length(DialogUnitsToPixelsY(175)));
    ExpectTabCaptions(*image, kTabs,
                      WidgetBox{0, 0, std::min(SheetWidth(), image->width),
                                geometry_.Length(PropertySheet::kTabHeight)},
                      geometry_);

    // Both meters start at 0 %: the first band of the gradient at the left edge, the rest on
    // the button face, and the percentage in white in the middle.
    for (int id : {IDC_SIGNAL_METER, IDC_QUALITY_METER}) {
        const WidgetBox meter = StatusControlBox(id);
        ASSERT_GT(meter.w, 0) << "meter " << id;
        const int middle = meter.y + meter.h / 2;
        EXPECT_TRUE(Near(image->At(meter.x, middle), kMeterStart, 4)) << "meter " << id;
        EXPECT_EQ(image->At(meter.x + meter.w * 7 / 8, meter.y + 1), kButtonFace) << "meter " << id;
        EXPECT_GT(CountPixels(*image, meter, [](Rgb p) { return p == kWhite; }), 5)
            << "meter " << id;
    }
}

TEST_F(AppDesktopTest, PictureWithoutADisplayIsAnErrorNotTheTextMode) {
    const std::string display = std::getenv("DISPLAY");
    unsetenv("DISPLAY");
    const std::string picture = PicturePath("nothing");
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunProgram({"--registry", TempFile("registry.reg"), "--screenshot", picture}, out, err);
    setenv("DISPLAY", display.c_str(), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(),
              "sdwlan: --screenshot needs a display, but DISPLAY is not set; set DISPLAY to a "
              "running X server (or run under xvfb-run)\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(ReadPng(picture));
}

}  // namespace
