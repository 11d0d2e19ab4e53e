// The gradient meter on a dialog's progress bars, pixel for pixel on the control's own surface.
#include "controls/gradient_meter.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/ui/dialog.h"
#include "platform/ui/resources.h"

namespace {

constexpr int kTemplateId = 9601;
constexpr int kWideId = 1011;    // 240 x 15 pixels: wider than the Status page's 238 bands
constexpr int kNarrowId = 1012;  // 30 x 15 pixels: narrower than its bands
constexpr int kSmallId = 1013;   // 150 x 12 pixels
constexpr COLORREF kPaleCyan = 0x00EEEEAF;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kDefaultButtonFace = 0x00C0C0C0;

DialogTemplate MeterTemplate() {
    DialogTemplate dialog;
    dialog.id = kTemplateId;
    dialog.cx = 170;
    dialog.cy = 60;
    dialog.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
    // Left, top, width and height in dialog units.
    for (auto [id, y, cx, cy] : {std::array{kWideId, 4, 160, 10}, std::array{kNarrowId, 20, 20, 10},
                                 std::array{kSmallId, 36, 100, 8}}) {
        ControlTemplate& control = dialog.controls.emplace_back();
        control.id = id;
        control.kind = ControlKind::ProgressBar;
        control.x = 4;
        control.y = y;
        control.cx = cx;
        control.cy = cy;
        control.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    }
    return dialog;
}

class MeterDialog : public Dialog {
  public:
    MeterDialog() : Dialog(kTemplateId) {}

    GradientMeter wide;
    GradientMeter narrow;
    GradientMeter small;

  protected:
    void DoDataExchange(DataExchange& dx) override {
        Dialog::DoDataExchange(dx);
        dx.Control(kWideId, wide);
        dx.Control(kNarrowId, narrow);
        dx.Control(kSmallId, small);
    }
};

void Repaint(GradientMeter& meter) {
    meter.Invalidate();
    meter.UpdateWindow();
}

// FNV-1a over every pixel, row by row: pins a whole painted picture in one number.
std::uint32_t PictureHash(const Surface& surface) {
    std::uint32_t hash = 2166136261u;
    for (COLORREF pixel : surface.Pixels()) hash = (hash ^ pixel) * 16777619u;
    return hash;
}

class GradientMeterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Resources::Instance().AddDialog(MeterTemplate());
        ASSERT_TRUE(dialog_.Create(nullptr));
        ASSERT_NE(dialog_.wide.Handle(), 0u) << "the meter did not take over its control";
        // The Status page's set-up.
        for (GradientMeter* meter : {&dialog_.wide, &dialog_.narrow, &dialog_.small}) {
            meter->SetRange(0, 100);
            meter->startColor = kPaleCyan;
            meter->endColor = kBlue;
            meter->showText = true;
        }
    }
    void TearDown() override {
        dialog_.DestroyWindow();
        SetSysColor(COLOR_BTNFACE, kDefaultButtonFace);
        Resources::Instance().Clear();
    }

    MeterDialog dialog_;
};

// One painted case: the meter and its settings, the picture's hash, pinned pixels of row 0
// (the hash covers every row) and the text.
struct PaintCase {
    const char* name;
    int meterId;
    int lower, upper, position;
    COLORREF start, end;
    bool showText;
    std::uint32_t hash;
    std::vector<std::pair<int, COLORREF>> pixels;
    const char* text;  // nullptr: no text
    friend void PrintTo(const PaintCase& c, std::ostream* out) { *out << c.name; }
};

class PaintTest : public GradientMeterTest, public ::testing::WithParamInterface<PaintCase> {
  protected:
    GradientMeter& Meter(int id) {
        return id == kWideId ? dialog_.wide : id == kNarrowId ? dialog_.narrow : dialog_.small;
    }
};

TEST_P(PaintTest, PaintsItsPinnedPicture) {
    const PaintCase& c = GetParam();
    GradientMeter& meter = Meter(c.meterId);
    meter.startColor = c.start;
    meter.endColor = c.end;
    meter.showText = c.showText;
    meter.SetRange(c.lower, c.upper);
    meter.SetPos(c.position);
    Repaint(meter);
    const std::size_t objects = LiveGdiObjectCount();
    Repaint(meter);
    EXPECT_EQ(LiveGdiObjectCount(), objects) << "a drawing object outlived the paint";
    const Surface& surface = meter.PaintSurface();
    for (const auto& [x, colour] : c.pixels)
        EXPECT_EQ(surface.Pixel(x, 0), colour) << std::hex << "column " << std::dec << x;
    EXPECT_EQ(PictureHash(surface), c.hash) << std::hex << "0x" << PictureHash(surface);
    if (c.text == nullptr) {
        EXPECT_TRUE(surface.Texts().empty());
    } else {
        ASSERT_EQ(surface.Texts().size(), 1u);
        EXPECT_EQ(surface.Texts()[0].text, c.text);
    }
}

constexpr COLORREF kFace = kDefaultButtonFace;
constexpr COLORREF kGreen = 0x00008000;

// Small: 150 pixels (band 0 is empty, band 1 is [0, 1)); wide: 240; narrow: 30 for 238 bands
// (bands 0 to 6 are empty). 42 of 100 on 240 pixels ends the fill in the band at 100.
// clang-format off
const PaintCase kPaintCases[] = {
    {"ZeroDrawsTheFirstBandAPixelWide", kSmallId, 0, 100, 0, kPaleCyan, kBlue, true, 0x0F9AFBE5,
     {{0, 0x00EEEDAE}, {1, kFace}, {149, kFace}}, "0 %"},
    {"UpperBoundShowsTheWholeGradient", kWideId, 0, 100, 100, kPaleCyan, kBlue, true, 0x76F06104,
     {{0, kPaleCyan}, {239, 0x00FE0100}}, "100 %"},
    {"FortyTwoDrawsUpToTheBandOfTheFillEdge", kWideId, 0, 100, 42, kPaleCyan, kBlue, true,
     0x9E7D5854, {{0, kPaleCyan}, {100, 0x00F58A65}, {102, kFace}}, "42 %"},
    {"WithoutShowTextNoTextEvenWhenFull", kSmallId, 0, 100, 100, kPaleCyan, kBlue, false,
     0x17C0F3BD, {{0, 0x00EEEDAE}, {149, 0x00FE0100}}, nullptr},
    {"NarrowerThanItsBandsSkipsEmptyBands", kNarrowId, 0, 100, 100, kPaleCyan, kBlue, true,
     0xE76FB9C7,
     {{0, 0x00EEE7A9}}, "100 %"},
    {"WidthDependsOnTheUpperBoundOnly", kSmallId, 20, 80, 20, kPaleCyan, kBlue, true, 0xBA5D9555,
     {{36, 0x00F2B484}, {38, kFace}}, "25 %"},
    {"EqualColoursDrawAPlainBar", kSmallId, 0, 100, 50, kGreen, kGreen, true, 0x16EA1565,
     {{0, kGreen}, {74, kGreen}, {75, kFace}}, "50 %"},
    {"ZeroUpperBoundFillsNothing", kSmallId, 0, 0, 0, kPaleCyan, kBlue, false, 0x0F9AFBE5,
     {{0, 0x00EEEDAE}, {1, kFace}}, nullptr},
    {"HugeRangeStaysDefined", kSmallId, INT_MIN, 1, INT_MIN, kPaleCyan, kBlue, false, 0x26C77E65,
     {{0, kFace}}, nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, PaintTest, ::testing::ValuesIn(kPaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

class OutOfRangeTest : public GradientMeterTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutOfRangeTest, ShowsOnlyTheCurrentButtonFaceAndNoText) {
    GradientMeter& meter = dialog_.small;
    SetSysColor(COLOR_BTNFACE, 0x00336699);  // the theme changed after construction
    meter.SetPos(GetParam());
    const std::size_t objects = LiveGdiObjectCount();
    Repaint(meter);
    EXPECT_EQ(LiveGdiObjectCount(), objects);
    const Surface& surface = meter.PaintSurface();
    EXPECT_EQ(std::set<COLORREF>(surface.Pixels().begin(), surface.Pixels().end()),
              std::set<COLORREF>{0x00336699});
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_EQ(meter.GetPos(), GetParam()) << "the meter keeps its position unclamped";
    EXPECT_EQ(meter.Describe().position, GetParam()) << "front ends see what is painted";
}

INSTANTIATE_TEST_SUITE_P(AboveAndBelow, OutOfRangeTest, ::testing::Values(150, -1, 101));

TEST_F(GradientMeterTest, PartialRepaintChangesOnlyTheInvalidatedArea) {
    GradientMeter& meter = dialog_.wide;
    meter.SetPos(100);
    Repaint(meter);
    const Surface before = meter.PaintSurface();
    meter.startColor = 0x000000FF;
    meter.endColor = 0x0000FF00;
    const RECT area{50, 3, 120, 9};
    const std::size_t objects = LiveGdiObjectCount();
    meter.InvalidateRect(&area);
    meter.UpdateWindow();
    EXPECT_EQ(LiveGdiObjectCount(), objects);
    const Surface partial = meter.PaintSurface();
    Repaint(meter);
    const Surface& full = meter.PaintSurface();
    for (int y = 0; y < full.Height(); ++y) {
        for (int x = 0; x < full.Width(); ++x) {
            bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            ASSERT_EQ(partial.Pixel(x, y), (inside ? full : before).Pixel(x, y))
                << "pixel (" << x << "," << y << ")";
        }
    }
    EXPECT_NE(before.Pixel(60, 5), full.Pixel(60, 5)) << "the new colours differ there";
}

TEST_F(GradientMeterTest, SetRangeResetsThePositionAndPassesSixteenBitBounds) {
    GradientMeter& meter = dialog_.small;
    meter.SetPos(60);
    meter.SetRange(0x10005, 0x20064);
    int lower = 0, upper = 0;
    meter.GetRange(lower, upper);
    EXPECT_EQ(lower, 0x10005);
    EXPECT_EQ(upper, 0x20064);
    EXPECT_EQ(meter.GetPos(), 0x10005);
    // The underlying control got the low 16 bits of each: 5 and 100.
    meter.ProgressBar::GetRange(lower, upper);
    EXPECT_EQ(lower, 5);
    EXPECT_EQ(upper, 100);
}

// Every change of the meter's own position reaches the underlying control and repaints it,
// also when that control already holds the value (a range reset in between) or clamps both to
// the same end.
TEST_F(GradientMeterTest, EveryPositionChangeRepaintsWhatTheMeterHolds) {
    GradientMeter& meter = dialog_.small;
    meter.UpdateWindow();
    meter.SetPos(50);
    EXPECT_EQ(meter.ProgressBar::GetPos(), 50);
    EXPECT_TRUE(meter.HasUpdate());
    meter.SetRange(0, 100);  // the underlying bar keeps 50, the meter goes back to 0
    meter.UpdateWindow();
    meter.SetPos(50);
    meter.UpdateWindow();
    EXPECT_NE(meter.PaintSurface().Pixel(74, 0), kDefaultButtonFace);
    ASSERT_EQ(meter.PaintSurface().Texts().size(), 1u);
    EXPECT_EQ(meter.PaintSurface().Texts()[0].text, "50 %");

    meter.SetPos(0);
    meter.UpdateWindow();
    meter.SetPos(-1);  // clamped to 0 below: out of range here
    meter.UpdateWindow();
    EXPECT_EQ(meter.PaintSurface().Pixel(0, 0), kDefaultButtonFace);
    EXPECT_TRUE(meter.PaintSurface().Texts().empty());
}

}  // namespace
