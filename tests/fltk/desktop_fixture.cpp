// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include "desktop_fixture.h"

#include <FL/fl_draw.H>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "frontend/fltk/tab_strip.h"
#include "platform/ui/resources.h"
#include "platform/ui/ui_host.h"
#include "platform/ui/window_manager.h"
#include "xvfb_server.h"

void DesktopTest::SetUp() {
    XvfbServer& server = XvfbServer::Shared();
    if (!server.Running()) GTEST_SKIP() << "no X server for the desktop tests: " << server.Error();
}

void DesktopTest::TearDown() {
    // SDWLAN_KEEP_PICTURES=1 leaves them for a look.
    if (std::getenv("SDWLAN_KEEP_PICTURES") != nullptr) return;
    for (const std::string& path : files_) std::remove(path.c_str());
}

void HostedDesktopTest::SetUp() {
    DesktopTest::SetUp();
    if (IsSkipped()) return;
    RegisterTestDialogs();
    host_ = std::make_unique<FltkHost>();
    SetUiHost(host_.get());
}

void HostedDesktopTest::TearDown() {
    if (host_) {
        SetUiHost(nullptr);
        WindowManager::Instance().SetMainWindow(nullptr);
        host_.reset();
    }
    DesktopTest::TearDown();
}

std::string DesktopTest::TempFile(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    files_.push_back(::testing::TempDir() + "sdwlan_" + std::to_string(getpid()) + "_" +
                     info->name() + "_" + name);
    return files_.back();
}

const std::vector<std::string> kTestCaptions{"Status", "Statistics", "Site Survey", "Radio",
                                             "About"};

namespace {

constexpr int kControlsDialog = 9001;
constexpr int kSheetDialog = 9002;
constexpr int kFirstPage = 9010;
constexpr DWORD kPopup =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

struct TestControlRow {
    int id;
    ControlKind kind;
    const char* text;
    RECT du;
    DWORD style;
};

constexpr TestControlRow kTestControls[] = {
    {kStaticId, ControlKind::Static, "Ready", {6, 6, 60, 10}, 0},
    {kEditId, ControlKind::Edit, "", {6, 20, 80, 12}, WS_BORDER | ES_UPPERCASE},
    {kButtonId, ControlKind::PushButton, "Push", {90, 20, 40, 14}, 0},
    {kStockBarId, ControlKind::ProgressBar, "", {6, 40, 120, 10}, 0},
    {kPaintedBarId, ControlKind::ProgressBar, "", {6, 56, 120, 14}, 0},
    {kComboId, ControlKind::ComboBox, "", {6, 74, 80, 50}, CBS_SORT},
    {kCheckId, ControlKind::CheckBox, "Check", {90, 74, 50, 10}, 0},
    {kFirstRadioId, ControlKind::RadioButton, "One", {6, 90, 40, 10}, WS_GROUP},
    {kSecondRadioId, ControlKind::RadioButton, "Two", {50, 90, 40, 10}, 0},
    {kListId, ControlKind::ListView, "", {6, 104, 138, 50}, LVS_REPORT},
    {kLinesId, ControlKind::Edit, "", {6, 158, 138, 26}, ES_MULTILINE | ES_READONLY | WS_BORDER},
    {kGroupId, ControlKind::GroupBox, "Group", {2, 188, 146, 30}, 0},
};

ControlTemplate TestControl(const TestControlRow& row) {
    ControlTemplate control;
    control.id = row.id;
    control.kind = row.kind;
    control.text = row.text;
    control.x = row.du.left;
    control.y = row.du.top;
    control.cx = row.du.right;
    control.cy = row.du.bottom;
    control.style = row.style | WS_CHILD | WS_VISIBLE;
    return control;
}

DialogTemplate TestTemplate(int id, std::string caption, int cx, int cy, DWORD style) {
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = std::move(caption);
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.style = style;
    dialog.exStyle = (style & WS_POPUP) != 0 ? WS_EX_CAPTIONOKBTN : 0;
    return dialog;
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

}  // namespace

RECT TestControlPlace(int id) {
    for (const TestControlRow& row : kTestControls) {
        if (row.id == id) return row.du;
    }
    return {};
}

void RegisterTestDialogs() {
    DialogTemplate controls = TestTemplate(kControlsDialog, "Desktop Test", 150, 222, kPopup);
    for (const TestControlRow& row : kTestControls) controls.controls.push_back(TestControl(row));
    controls.controls[5].items = {"beta", "alpha", "gamma@home"};
    Resources::Instance().AddDialog(controls);

    DialogTemplate sheet = TestTemplate(kSheetDialog, "Sheet Test", 143, 175, kPopup);
    // Under the sheet once it is created, as the main window's chooser is.
    sheet.controls = {TestControl(
        {SheetDialog::kCoveredId, ControlKind::PushButton, "Under", {20, 60, 60, 14}, 0})};
    Resources::Instance().AddDialog(sheet);
    for (std::size_t i = 0; i < kTestCaptions.size(); ++i) {
        DialogTemplate page = TestTemplate(kFirstPage + static_cast<int>(i), kTestCaptions[i], 135,
                                           152, WS_CHILD | DS_SETFONT);
        page.controls = {TestControl(kTestControls[0])};
        Resources::Instance().AddDialog(page);
    }
}

ControlsDialog::ControlsDialog()
    : Dialog(kControlsDialog), paintedBar_(std::make_unique<FilledBar>()) {}

void ControlsDialog::DoDataExchange(DataExchange& dx) { dx.Control(kPaintedBarId, *paintedBar_); }

BOOL ControlsDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    SendDlgItemMessage(kStockBarId, PBM_SETPOS, 50);
    List().InsertColumn(0, "SSID", LVCFMT_LEFT, 80);
    List().InsertColumn(1, "Channel", LVCFMT_LEFT, 50);
    List().InsertItem(0, "Harbor");
    List().SetItemText(0, 1, "6");
    List().InsertItem(1, "Lighthouse");
    List().SetItemText(1, 1, "11");
    SetDlgItemText(kLinesId, "one\r\ntwo\r\nthree");
    if (boxAtStart) PostMessage(WM_USER);
    return TRUE;
}

bool ControlsDialog::OnCommand(int id, int code, HWND control) {
    if (id != kLinesId) notices.push_back(Notice{id, code});
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

LRESULT ControlsDialog::OnNotify(int id, int code, const NMHDR& header) {
    notices.push_back(Notice{id, code, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem});
    return 0;
}

LRESULT ControlsDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_USER) return Dialog::WindowProc(message, wParam, lParam);
    boxAnswer = MessageBox(Handle(), "Hello", "Test", MB_OK);
    return 0;
}

SheetDialog::SheetDialog() : Dialog(kSheetDialog) {
    for (std::size_t i = 0; i < kTestCaptions.size(); ++i) {
        pages_.push_back(std::make_unique<PropertyPage>(kFirstPage + static_cast<int>(i)));
    }
}

BOOL SheetDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    for (auto& page : pages_) sheet_.AddPage(page.get());
    sheet_.Create(this);
    return TRUE;
}

namespace {

WidgetBox ClipToImage(const RgbImage& image, const WidgetBox& box) {
    const int left = std::max(box.x, 0);
    const int top = std::max(box.y, 0);
    const int right = std::min(box.x + box.w, image.width);
    const int bottom = std::min(box.y + box.h, image.height);
    return WidgetBox{left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

}  // namespace

int CountPixels(const RgbImage& image, const WidgetBox& area,
                const std::function<bool(Rgb)>& test) {
    const WidgetBox box = ClipToImage(image, area);
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) count += test(image.At(x, y)) ? 1 : 0;
    }
    return count;
}

bool IsDark(Rgb pixel) { return pixel.r + pixel.g + pixel.b < 3 * 96; }

std::pair<int, int> InkColumns(const RgbImage& image, const WidgetBox& area) {
    const WidgetBox box = ClipToImage(image, area);
    int left = -1;
    int right = -1;
    for (int x = box.x; x < box.x + box.w; ++x) {
        for (int y = box.y; y < box.y + box.h; ++y) {
            if (!IsDark(image.At(x, y))) continue;
            if (left < 0) left = x;
            right = x;
            break;
        }
    }
    return {left, right};
}

namespace {

// `text` in black on white, centred in w x h, as the toolkit draws it.
RgbImage RenderCaption(const std::string& text, int w, int h, const DesktopFont& font) {
    Fl_Image_Surface surface(w, h);
    surface.set_current();
    fl_rectf(0, 0, w, h, FL_WHITE);
    fl_color(FL_BLACK);
    fl_font(font.face, font.size);
    fl_draw(text.c_str(), 0, 0, w, h, FL_ALIGN_CENTER, nullptr, 0);
    std::unique_ptr<Fl_RGB_Image> rendered(surface.image());
    Fl_Display_Device::display_device()->set_current();
    const auto* data = reinterpret_cast<const std::uint8_t*>(rendered->data()[0]);
    return RgbImage{rendered->w(), rendered->h(),
                    std::vector<std::uint8_t>(data, data + rendered->w() * rendered->h() * 3)};
}

}  // namespace

void ExpectTabCaptions(const RgbImage& image, const std::vector<std::string>& captions,
                       const WidgetBox& strip, const WidgetGeometry& geometry) {
    TabStrip::Tabs layout =
        TabStrip::Layout(captions, strip, geometry.Font("System", 8), geometry.Scale());
    const std::vector<WidgetBox>& tabs = layout.boxes;
    ASSERT_EQ(tabs.size(), captions.size());
    ASSERT_LE(tabs.back().x + tabs.back().w, strip.x + strip.w) << "the tabs fit the strip";
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        RgbImage expected = RenderCaption(captions[i], tabs[i].w, tabs[i].h, layout.font);
        auto [refLeft, refRight] = InkColumns(expected, WidgetBox{0, 0, tabs[i].w, tabs[i].h});
        // Inside the tab, in from its frame lines (an inactive tab's top is lower).
        const int top = 3 * geometry.Scale();
        WidgetBox inside{tabs[i].x + 1, tabs[i].y + top, tabs[i].w - 2, tabs[i].h - top - 2};
        auto [left, right] = InkColumns(image, inside);
        ASSERT_GE(left, 0) << captions[i] << " is not drawn";
        EXPECT_NEAR(right - left, refRight - refLeft, 1) << captions[i];
    }
    const WidgetBox& last = tabs.back();
    WidgetBox rest{last.x + last.w + 1, strip.y, strip.x + strip.w - last.x - last.w - 1,
                   strip.h - 2};
    EXPECT_EQ(CountPixels(image, rest, IsDark), 0) << "nothing follows the last tab";
}
