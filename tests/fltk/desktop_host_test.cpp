// The desktop host under a private X server with the test dialogs: pictures checked pixel by
// pixel, taps on tabs, and the ends of loops.
// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include <FL/Fl.H>

#include <sstream>

#include "desktop_fixture.h"
#include "frontend/fltk/tab_strip.h"
#include "main/desktop/desktop_script.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/ui_input.h"

namespace {

class DesktopHostTest : public HostedDesktopTest {
  protected:
    // Runs `dialog` modally with a picture taken as soon as the loop turns.
    std::optional<RgbImage> RunWithPicture(Dialog& dialog, const std::string& name,
                                           INT_PTR* result = nullptr) {
        const std::string path = TempFile(name);
        Host().ScheduleScreenshot(path, 0);
        INT_PTR ended = dialog.DoModal();
        if (result != nullptr) *result = ended;
        EXPECT_EQ(Host().Screenshot(), FltkHost::ScreenshotState::Written)
            << Host().ScreenshotError();
        return ReadPng(path);
    }

    // Where a control of the controls dialog lands in the picture.
    WidgetBox PlaceOf(int id) {
        const RECT du = TestControlPlace(id);
        RECT rect{du.left, du.top, du.left + du.right, du.top + du.bottom};
        MapDialogRect(&rect);
        return Host().Geometry().Map(rect, WidgetBox{});
    }
};

TEST_F(DesktopHostTest, PictureShowsEachControlAtItsPlace) {
    ControlsDialog dialog;
    INT_PTR result = 0;
    std::optional<RgbImage> image = RunWithPicture(dialog, "controls", &result);
    ASSERT_TRUE(image);
    // The picture ends the dialog through the caption OK button.
    EXPECT_EQ(result, IDOK);
    const WidgetGeometry& geometry = Host().Geometry();
    EXPECT_EQ(image->width, geometry.Length(DialogUnitsToPixelsX(150)));
    EXPECT_EQ(image->height, geometry.Length(DialogUnitsToPixelsY(222)));

    // The painted control: its own colour, with its recorded text drawn over it in white.
    const WidgetBox painted = PlaceOf(kPaintedBarId);
    EXPECT_EQ(image->At(painted.x + 1, painted.y + 1), ToRgb(kFill));
    EXPECT_EQ(image->At(painted.x + painted.w - 2, painted.y + painted.h - 2), ToRgb(kFill));
    const int white = CountPixels(*image, painted, [](Rgb p) { return p == ToRgb(kTextColor); });
    EXPECT_GT(white, 10);
    const WidgetBox centre{painted.x + painted.w / 3, painted.y, painted.w / 3, painted.h};
    EXPECT_EQ(white, CountPixels(*image, centre, [](Rgb p) { return p == ToRgb(kTextColor); }))
        << "the text is centred";

    // The stock progress bar at 50 of 100: filled on the left half only.
    const WidgetBox stock = PlaceOf(kStockBarId);
    const Rgb bar{0, 0, 128};
    EXPECT_EQ(image->At(stock.x + stock.w / 4, stock.y + stock.h / 2), bar);
    EXPECT_NE(image->At(stock.x + stock.w * 3 / 4, stock.y + stock.h / 2), bar);

    // The static's text and the button's caption are drawn.
    EXPECT_GT(CountPixels(*image, PlaceOf(kStaticId), IsDark), 5);
    EXPECT_GT(CountPixels(*image, PlaceOf(kButtonId), IsDark), 5);
}

TEST_F(DesktopHostTest, TapOnATabActivatesThePageThroughTheModel) {
    SheetDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    Host().Sync();
    WindowView* view = Host().ViewOf(dialog.Handle());
    ASSERT_NE(view, nullptr);
    PropertySheet& sheet = dialog.Sheet();
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    const ControlMirror* sheetMirror = view->MirrorOf(sheet.Handle());
    ASSERT_NE(sheetMirror, nullptr);
    auto* strip = dynamic_cast<TabStrip*>(sheetMirror->Container()->child(0));
    ASSERT_NE(strip, nullptr);

    std::vector<WidgetBox> tabs =
        TabStrip::Layout(kTestCaptions, WidgetBox{strip->x(), strip->y(), strip->w(), strip->h()},
                         Host().Geometry().Font("System", 8), Host().Geometry().Scale())
            .boxes;
    Fl::e_x = tabs[3].x + tabs[3].w / 2;
    Fl::e_y = tabs[3].y + tabs[3].h / 2;
    EXPECT_EQ(strip->handle(FL_PUSH), 1);
    EXPECT_EQ(sheet.GetActiveIndex(), 3);

    // The page's window came with its first activation: the widgets are made anew with it.
    const int builds = view->BuildCount();
    Host().Sync();
    EXPECT_EQ(view->BuildCount(), builds + 1);
    const ControlMirror* page3 = view->MirrorOf(sheet.GetPage(3)->Handle());
    const ControlMirror* page0 = view->MirrorOf(sheet.GetPage(0)->Handle());
    ASSERT_NE(page3, nullptr);
    ASSERT_NE(page0, nullptr);
    EXPECT_TRUE(page3->Widget()->visible());
    EXPECT_FALSE(page0->Widget()->visible());
    // The control the sheet covers cannot be seen or tapped.
    const ControlMirror* covered =
        view->MirrorOf(dialog.GetDlgItem(SheetDialog::kCoveredId)->Handle());
    ASSERT_NE(covered, nullptr);
    EXPECT_FALSE(covered->Widget()->visible());
    EXPECT_TRUE(dialog.GetDlgItem(SheetDialog::kCoveredId)->IsWindowVisible());
    dialog.DestroyWindow();
    Host().Sync();
    EXPECT_EQ(Host().ViewOf(dialog.Handle()), nullptr) << "the window goes with the dialog";
}

TEST_F(DesktopHostTest, PictureEndsEveryOpenLoop) {
    // The dialog shows a message box as soon as it runs; the picture is due meanwhile.
    ControlsDialog dialog;
    dialog.boxAtStart = true;
    INT_PTR result = 0;
    std::optional<RgbImage> image = RunWithPicture(dialog, "box", &result);
    ASSERT_TRUE(image);
    EXPECT_EQ(dialog.boxAnswer, IDOK);
    EXPECT_EQ(result, IDOK);
}

TEST_F(DesktopHostTest, ScriptPicturesTheMessageBoxAndAnswersItBeforeItsNextCommand) {
    ControlsDialog dialog;
    dialog.boxAtStart = true;
    const std::string box = PicturePath("script-box");
    const std::string window = PicturePath("script-window");
    std::istringstream in("screenshot " + box + "\nclick " + std::to_string(kButtonId) +
                          "\nscreenshot " + window + "\n");
    std::ostringstream out;
    std::ostringstream err;
    DesktopScript script(Host(), in, "test.txt", out, err);
    Host().SetStopRequest([&script] { return script.Finished(); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), "message: Hello\n");
    EXPECT_EQ(dialog.boxAnswer, IDOK);
    EXPECT_EQ(dialog.clicks, 1);
    std::optional<RgbImage> boxImage = ReadPng(box);
    std::optional<RgbImage> windowImage = ReadPng(window);
    ASSERT_TRUE(boxImage && windowImage);
    EXPECT_NE(boxImage->width, windowImage->width) << "the box, then the dialog";
}

TEST_F(DesktopHostTest, OpenFileDialogIsCancelledWhenTheLoopsEnd) {
    Host().SetStopRequest([] { return true; });
    OpenFileRequest request;
    request.title = "Load EEPROM image";
    request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files", "*.*"}};
    EXPECT_EQ(Host().ChooseOpenFile(request), std::nullopt);
}

}  // namespace
