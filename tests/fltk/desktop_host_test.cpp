// The desktop front end under a private X server: a test dialog with a static, an edit, a
// button, a stock progress bar and a custom-painted one, and a sheet of five pages. Pictures
// are taken with the screenshot option and checked pixel by pixel.
// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include <FL/Fl.H>
#include <FL/Fl_Input.H>

#include <memory>
#include <sstream>
#include <vector>

#include "desktop_fixture.h"
#include "frontend/fltk/tab_strip.h"
#include "main/desktop_script.h"
#include "platform/core/message_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/property_page.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_input.h"

namespace {

constexpr int kControlsDialog = 9001;
constexpr int kSheetDialog = 9002;
constexpr int kFirstPage = 9010;
constexpr int kStaticId = 1001;
constexpr int kEditId = 1002;
constexpr int kButtonId = 1003;
constexpr int kStockBarId = 1004;
constexpr int kPaintedBarId = 1005;
constexpr int kCoveredId = 1006;
constexpr COLORREF kFill = RGB(0x20, 0xA0, 0x60);
constexpr COLORREF kTextColor = RGB(0xFF, 0xFF, 0xFF);
constexpr DWORD kPopup =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
const std::vector<std::string> kCaptions{"Status", "Statistics", "Site Survey", "Radio", "About"};

void RegisterTemplates() {
    DialogTemplate controls = TestTemplate(kControlsDialog, "Desktop Test", 143, 100, kPopup);
    controls.controls = {
        TestControl(kStaticId, ControlKind::Static, "Ready", {6, 6, 60, 10}),
        TestControl(kEditId, ControlKind::Edit, "", {6, 20, 80, 12}, WS_BORDER | ES_UPPERCASE),
        TestControl(kButtonId, ControlKind::PushButton, "Push", {90, 20, 40, 14}),
        TestControl(kStockBarId, ControlKind::ProgressBar, "", {6, 40, 120, 10}),
        TestControl(kPaintedBarId, ControlKind::ProgressBar, "", {6, 56, 120, 14}),
    };
    Resources::Instance().AddDialog(controls);

    DialogTemplate sheet = TestTemplate(kSheetDialog, "Sheet Test", 143, 175, kPopup);
    // Under the sheet once it is created, as the main window's chooser is.
    sheet.controls = {TestControl(kCoveredId, ControlKind::PushButton, "Under", {20, 60, 60, 14})};
    Resources::Instance().AddDialog(sheet);
    for (int i = 0; i < static_cast<int>(kCaptions.size()); ++i) {
        DialogTemplate page = TestTemplate(kFirstPage + i, kCaptions[static_cast<std::size_t>(i)],
                                           135, 152, WS_CHILD | DS_SETFONT);
        page.controls = {TestControl(2000 + i, ControlKind::Static, "Page", {10, 10, 60, 10})};
        Resources::Instance().AddDialog(page);
    }
}

// A progress bar that paints itself in one colour with a white, centred text.
class FilledBar : public ProgressBar {
  protected:
    void OnPaint() override {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(&paint);
        RECT client;
        GetClientRect(&client);
        HBRUSH brush = CreateSolidBrush(kFill);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        SetTextColor(dc, kTextColor);
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, "42 %", &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(&paint);
    }
};

class ControlsDialog : public Dialog {
  public:
    ControlsDialog() : Dialog(kControlsDialog) {}

    int clicks = 0;
    std::string typed;
    bool boxAtStart = false;
    int boxAnswer = 0;

  protected:
    void DoDataExchange(DataExchange& dx) override { dx.Control(kPaintedBarId, bar_); }

    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        SendDlgItemMessage(kStockBarId, PBM_SETPOS, 50);
        if (boxAtStart) PostMessage(WM_USER);
        return TRUE;
    }

    bool OnCommand(int id, int code, HWND control) override {
        if (id == kButtonId && code == BN_CLICKED) {
            ++clicks;
            SetDlgItemText(kStaticId, "Pushed");
            return true;
        }
        if (id == kEditId && code == EN_CHANGE) {
            typed = GetDlgItemText(kEditId);
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_USER) return Dialog::WindowProc(message, wParam, lParam);
        boxAnswer = MessageBox(Handle(), "Hello", "Test", MB_OK);
        return 0;
    }

  private:
    FilledBar bar_;
};

class SheetDialog : public Dialog {
  public:
    SheetDialog() : Dialog(kSheetDialog) {
        for (std::size_t i = 0; i < kCaptions.size(); ++i) {
            pages_.push_back(std::make_unique<PropertyPage>(kFirstPage + static_cast<int>(i)));
        }
    }
    PropertySheet& Sheet() { return sheet_; }

  protected:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        for (auto& page : pages_) sheet_.AddPage(page.get());
        sheet_.Create(this);
        return TRUE;
    }

  private:
    std::vector<std::unique_ptr<PropertyPage>> pages_;
    PropertySheet sheet_;
};

class DesktopHostTest : public HostedDesktopTest {
  protected:
    void SetUp() override {
        HostedDesktopTest::SetUp();
        RegisterTemplates();
    }

    // Where a control of a top-level dialog lands in its window.
    WidgetBox BoxOf(Window& control) {
        return Host().Geometry().Map(control.PixelRect(), WidgetBox{});
    }

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

    // Rendered model rectangle of a template control (dialog units).
    WidgetBox TemplateBox(RECT du) {
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
    EXPECT_EQ(image->width, geometry.Length(DialogUnitsToPixelsX(143)));
    EXPECT_EQ(image->height, geometry.Length(DialogUnitsToPixelsY(100)));

    // The painted control: its own colour, with its recorded text drawn over it in white.
    const WidgetBox painted = TemplateBox({6, 56, 120, 14});
    EXPECT_EQ(image->At(painted.x + 1, painted.y + 1), ToRgb(kFill));
    EXPECT_EQ(image->At(painted.x + painted.w - 2, painted.y + painted.h - 2), ToRgb(kFill));
    const int white = CountPixels(*image, painted, [](Rgb p) { return p == ToRgb(kTextColor); });
    EXPECT_GT(white, 10);
    const WidgetBox centre{painted.x + painted.w / 3, painted.y, painted.w / 3, painted.h};
    EXPECT_EQ(white, CountPixels(*image, centre, [](Rgb p) { return p == ToRgb(kTextColor); }))
        << "the text is centred";

    // The stock progress bar at 50 of 100: filled on the left half only.
    const WidgetBox stock = TemplateBox({6, 40, 120, 10});
    const Rgb bar{0, 0, 128};
    EXPECT_EQ(image->At(stock.x + stock.w / 4, stock.y + stock.h / 2), bar);
    EXPECT_NE(image->At(stock.x + stock.w * 3 / 4, stock.y + stock.h / 2), bar);

    // The static's text and the button's caption are drawn.
    EXPECT_GT(CountPixels(*image, TemplateBox({6, 6, 60, 10}), IsDark), 5);
    EXPECT_GT(CountPixels(*image, TemplateBox({90, 20, 40, 14}), IsDark), 5);
}

TEST_F(DesktopHostTest, TabCaptionsAreDrawnInTheSheetOrder) {
    SheetDialog dialog;
    std::optional<RgbImage> image = RunWithPicture(dialog, "sheet");
    ASSERT_TRUE(image);
    const WidgetGeometry& geometry = Host().Geometry();
    ExpectTabCaptions(*image, kCaptions,
                      WidgetBox{0, 0, geometry.Length(DialogUnitsToPixelsX(135)),
                                geometry.Length(PropertySheet::kTabHeight)},
                      geometry);
}

TEST_F(DesktopHostTest, InputReachesTheModelAndItsChangesComeBack) {
    ControlsDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    Host().Sync();
    WindowView* view = Host().ViewOf(dialog.Handle());
    ASSERT_NE(view, nullptr);
    EXPECT_STREQ(view->Desktop().label(), "Desktop Test");

    Window* button = dialog.GetDlgItem(kButtonId);
    view->MirrorOf(button->Handle())->Widget()->do_callback();
    EXPECT_EQ(dialog.clicks, 1);
    Host().Sync();
    Fl_Widget* label = view->MirrorOf(dialog.GetDlgItem(kStaticId)->Handle())->Widget();
    EXPECT_STREQ(label->label(), "Pushed");

    // Typed text goes through the model, which upper-cases it; the widget shows the result.
    auto* input =
        static_cast<Fl_Input*>(view->MirrorOf(dialog.GetDlgItem(kEditId)->Handle())->Widget());
    input->value("abc");
    input->do_callback();
    EXPECT_EQ(dialog.typed, "ABC");
    Host().Sync();
    EXPECT_STREQ(input->value(), "ABC");

    // A disabled control ignores the tap, and the widget follows the model.
    button->EnableWindow(false);
    Host().Sync();
    Fl_Widget* buttonWidget = view->MirrorOf(button->Handle())->Widget();
    EXPECT_FALSE(buttonWidget->active());
    buttonWidget->do_callback();
    EXPECT_EQ(dialog.clicks, 1);

    const int builds = view->BuildCount();
    dialog.DestroyWindow();
    EXPECT_EQ(view->BuildCount(), builds) << "changes of state do not rebuild the window";
    Host().Sync();
    EXPECT_EQ(Host().ViewOf(dialog.Handle()), nullptr);
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
        TabStrip::Layout(kCaptions, WidgetBox{strip->x(), strip->y(), strip->w(), strip->h()},
                         FontForTemplate("System", 8, Host().Geometry()), Host().Geometry().Scale())
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
    const ControlMirror* covered = view->MirrorOf(dialog.GetDlgItem(kCoveredId)->Handle());
    ASSERT_NE(covered, nullptr);
    EXPECT_FALSE(covered->Widget()->visible());
    EXPECT_TRUE(dialog.GetDlgItem(kCoveredId)->IsWindowVisible());
    dialog.DestroyWindow();
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

TEST_F(DesktopHostTest, StopRequestClosesTheMainWindowThroughItsOkButton) {
    ControlsDialog dialog;
    int asked = 0;
    Host().SetStopRequest([&asked] { return ++asked >= 2; });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(asked, 2) << "asked once per turn until it said so";
}

TEST_F(DesktopHostTest, OpenFileDialogIsCancelledWhenTheLoopsEnd) {
    Host().SetStopRequest([] { return true; });
    OpenFileRequest request;
    request.title = "Load EEPROM image";
    request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files", "*.*"}};
    EXPECT_EQ(Host().ChooseOpenFile(request), std::nullopt);
}

}  // namespace
