// The utility itself in the desktop window, started as from the command line (simulated card
// from the built-in scenario): with a picture taken as soon as it runs, or driven by a script
// (the headless commands, a picture of whatever is in front, the script's end closing it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "desktop_fixture.h"
#include "main/desktop/desktop_entry.h"
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
    // The program runs the front end linked into this test instead of loading its module.
    void SetUp() override {
        DesktopTest::SetUp();
        UseDesktopEntry(&sdwlan_desktop_entry);
    }
    void TearDown() override {
        UseDesktopEntry(nullptr);
        DesktopTest::TearDown();
    }

    // The program as started from the command line, with a picture as soon as it runs.
    std::optional<RgbImage> RunUtilityWithPicture() {
        const std::string picture = PicturePath("utility");
        EXPECT_EQ(Run({"--screenshot", picture, "--after", "0"}), 0);
        EXPECT_EQ(err_.str(), "");
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

    // The program with a registry of its own and `script` on standard input.
    int Run(std::vector<std::string> args, const std::string& script = "") {
        args.insert(args.end(), {"--registry", TempFile("registry.reg")});
        std::istringstream in(script);
        return RunProgram(args, in, out_, err_);
    }

    WidgetGeometry geometry_;  // the desktop mode's scale
    std::ostringstream out_;
    std::ostringstream err_;
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
    const int status = Run({"--screenshot", picture});
    setenv("DISPLAY", display.c_str(), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err_.str(),
              "sdwlan: --screenshot needs a display, but DISPLAY is not set; set DISPLAY to a "
              "running X server (or run under xvfb-run)\n");
    EXPECT_EQ(out_.str(), "");
    EXPECT_FALSE(ReadPng(picture));
}

TEST_F(AppDesktopTest, EachTabTappedAndPictured) {
    std::string script;
    std::vector<std::string> pictures;
    for (int tab = 0; tab < 5; ++tab) {
        pictures.push_back(PicturePath("tab" + std::to_string(tab)));
        script += "tab " + std::to_string(tab) + "\nscreenshot " + pictures.back() + "\n";
    }
    script += "tab 1\nexpect " + std::to_string(IDC_RESET) + " Reset\ndump\n";
    ASSERT_EQ(Run({"--script", "-"}, script), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    EXPECT_NE(out_.str().find("tabs \"Status\" [\"Statistics\"] \"Site Survey\""),
              std::string::npos)
        << out_.str();
    std::vector<RgbImage> images;
    for (const std::string& path : pictures) {
        std::optional<RgbImage> image = ReadPng(path);
        ASSERT_TRUE(image) << path;
        images.push_back(*image);
    }
    // The same window each time, with another page in it.
    for (std::size_t i = 1; i < images.size(); ++i) {
        EXPECT_EQ(images[i].width, images[0].width);
        EXPECT_EQ(images[i].height, images[0].height);
        EXPECT_NE(images[i].pixels, images[i - 1].pixels) << "tab " << i;
    }
}

TEST_F(AppDesktopTest, AFailedCommandEndsTheUtilityWithStatusOne) {
    const std::string picture = PicturePath("late");
    EXPECT_EQ(Run({"--script", "-"}, "tab 9\nscreenshot " + picture + "\n"), 1);
    EXPECT_EQ(err_.str(), "<stdin>:1: tab: there is no page 9 (the sheet has 5 pages)\n");
    EXPECT_FALSE(ReadPng(picture));
}

}  // namespace
