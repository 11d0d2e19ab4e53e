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

ControlTemplate TestControl(int id, ControlKind kind, std::string text, RECT du, DWORD style) {
    ControlTemplate control;
    control.id = id;
    control.kind = kind;
    control.text = std::move(text);
    control.x = du.left;
    control.y = du.top;
    control.cx = du.right;
    control.cy = du.bottom;
    control.style = style | WS_CHILD | WS_VISIBLE;
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
        TabStrip::Layout(captions, strip, FontForTemplate("System", 8, geometry), geometry.Scale());
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
