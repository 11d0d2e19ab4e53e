// The gradient meter on a dialog's progress bars, pixel for pixel on the control's own surface.
#include "controls/gradient_meter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
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
constexpr COLORREF kBitmapAsCreated = 0x00000000;

ControlTemplate ProgressTemplate(int id, int y, int cx, int cy) {
    ControlTemplate control;
    control.id = id;
    control.kind = ControlKind::ProgressBar;
    control.x = 4;
    control.y = y;
    control.cx = cx;
    control.cy = cy;
    control.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    return control;
}

DialogTemplate MeterTemplate() {
    DialogTemplate dialog;
    dialog.id = kTemplateId;
    dialog.caption = "Meters";
    dialog.cx = 170;
    dialog.cy = 60;
    dialog.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
    dialog.controls = {ProgressTemplate(kWideId, 4, 160, 10),
                       ProgressTemplate(kNarrowId, 20, 20, 10),
                       ProgressTemplate(kSmallId, 36, 100, 8)};
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

// The Status page's set-up of a meter.
void StatusPageColours(GradientMeter& meter) {
    meter.SetRange(0, 100);
    meter.startColor = kPaleCyan;
    meter.endColor = kBlue;
    meter.textColor = 0x00FFFFFF;
    meter.showText = true;
}

void Repaint(GradientMeter& meter) {
    meter.Invalidate();
    meter.UpdateWindow();
}

// What a row of the meter should show, column by column, worked out from the gradient's
// definition: bands of width/N over the whole width, channel = trunc(i * diff / N + start),
// drawn up to the band whose right edge passes the fill width, then background.
std::vector<COLORREF> ExpectedColumns(int width, int fill, COLORREF start, COLORREF end,
                                      COLORREF background) {
    std::vector<COLORREF> columns(width, kBitmapAsCreated);
    int s[3] = {GetRValue(start), GetGValue(start), GetBValue(start)};
    int d[3] = {GetRValue(end) - s[0], GetGValue(end) - s[1], GetBValue(end) - s[2]};
    int n = std::max({std::abs(d[0]), std::abs(d[1]), std::abs(d[2])});
    if (n == 0) {
        for (int x = 0; x < width; ++x) columns[x] = x < fill ? start : background;
        return columns;
    }
    float bandWidth = static_cast<float>(width) / static_cast<float>(n);
    for (int i = 0; i < n; ++i) {
        int left = static_cast<int>(static_cast<float>(i) * bandWidth);
        int right = static_cast<int>(static_cast<float>(i + 1) * bandWidth);
        int c[3];
        for (int k = 0; k < 3; ++k) {
            float step = static_cast<float>(d[k]) / static_cast<float>(n);
            c[k] = static_cast<int>(static_cast<float>(i) * step + static_cast<float>(s[k]));
        }
        for (int x = left; x < right && x < width; ++x) columns[x] = RGB(c[0], c[1], c[2]);
        if (right > fill) {
            for (int x = right; x < width; ++x) columns[x] = background;
            break;
        }
    }
    return columns;
}

int FillWidth(int position, int upper, int width) {
    return static_cast<int>(static_cast<float>(position) / static_cast<float>(upper) *
                            static_cast<float>(width));
}

// Every pixel of `rect` (all rows) against the columns.
::testing::AssertionResult ShowsColumns(const Surface& surface,
                                        const std::vector<COLORREF>& columns, const RECT& rect) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (surface.Pixel(x, y) != columns[x]) {
                return ::testing::AssertionFailure()
                       << std::hex << "pixel (" << std::dec << x << "," << y << ") is 0x"
                       << std::hex << surface.Pixel(x, y) << ", expected 0x" << columns[x];
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsColumns(const Surface& surface,
                                        const std::vector<COLORREF>& columns) {
    if (surface.Width() != static_cast<int>(columns.size()))
        return ::testing::AssertionFailure() << "surface width " << surface.Width();
    return ShowsColumns(surface, columns, surface.Bounds());
}

std::vector<COLORREF> Row(const Surface& surface, int y) {
    std::vector<COLORREF> row;
    for (int x = 0; x < surface.Width(); ++x) row.push_back(surface.Pixel(x, y));
    return row;
}

class GradientMeterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Resources::Instance().AddDialog(MeterTemplate());
        ASSERT_TRUE(dialog_.Create(nullptr));
        ASSERT_NE(dialog_.wide.Handle(), 0u) << "the meter did not take over its control";
        for (GradientMeter* meter : {&dialog_.wide, &dialog_.narrow, &dialog_.small})
            StatusPageColours(*meter);
    }
    void TearDown() override {
        dialog_.DestroyWindow();
        SetSysColor(COLOR_BTNFACE, kDefaultButtonFace);
        Resources::Instance().Clear();
    }

    // Client width and height of a meter.
    static RECT Client(const GradientMeter& meter) {
        RECT client;
        meter.GetClientRect(&client);
        return client;
    }

    std::vector<COLORREF> Expected(const GradientMeter& meter, int fill) {
        return ExpectedColumns(Client(meter).right, fill, meter.startColor, meter.endColor,
                               meter.backgroundColor);
    }

    MeterDialog dialog_;
};

TEST_F(GradientMeterTest, TakesOverItsProgressBarWithTheDefaultLook) {
    GradientMeter fresh;
    EXPECT_EQ(fresh.startColor, 0x000000FFu);
    EXPECT_EQ(fresh.endColor, 0x00FF0000u);
    EXPECT_EQ(fresh.backgroundColor, kDefaultButtonFace);
    EXPECT_EQ(fresh.textColor, 0x00FFFFFFu);
    EXPECT_FALSE(fresh.showText);
    int lower = -1, upper = -1;
    fresh.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 100);
    EXPECT_EQ(fresh.GetPos(), 0);

    EXPECT_EQ(dialog_.GetDlgItem(kWideId), &dialog_.wide);
    EXPECT_EQ(Client(dialog_.wide), (RECT{0, 0, 240, 15}));
    EXPECT_EQ(Client(dialog_.narrow), (RECT{0, 0, 30, 15}));
    EXPECT_EQ(Client(dialog_.small), (RECT{0, 0, 150, 12}));
}

TEST_F(GradientMeterTest, PositionZeroDrawsTheFirstBandThatIsAPixelWide) {
    GradientMeter& meter = dialog_.small;  // 150 pixels: band 0 is empty, band 1 is [0, 1)
    meter.SetPos(0);
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    EXPECT_TRUE(ShowsColumns(surface, Expected(meter, 0)));
    EXPECT_EQ(surface.Pixel(0, 0), 0x00EEEDAEu);
    EXPECT_EQ(surface.Pixel(1, 11), kDefaultButtonFace);
    EXPECT_EQ(surface.Pixel(149, 0), kDefaultButtonFace);
    ASSERT_EQ(surface.Texts().size(), 1u);
    EXPECT_EQ(surface.Texts()[0].text, "0 %");
}

TEST_F(GradientMeterTest, UpperBoundShowsTheWholeGradientFromFirstToLastColour) {
    GradientMeter& meter = dialog_.wide;
    meter.SetPos(100);
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    EXPECT_TRUE(ShowsColumns(surface, Expected(meter, 240)));
    EXPECT_EQ(surface.Pixel(0, 0), kPaleCyan);
    EXPECT_EQ(surface.Pixel(239, 14), 0x00FE0100u) << "last band, next to blue";
    // Green falls by one per band, so every band has its own colour: 238 bands.
    std::vector<COLORREF> row = Row(surface, 7);
    EXPECT_EQ(std::set<COLORREF>(row.begin(), row.end()).size(), 238u);
    ASSERT_EQ(surface.Texts().size(), 1u);
    EXPECT_EQ(surface.Texts()[0].text, "100 %");
}

TEST_F(GradientMeterTest, FortyTwoShowsItsBandsAndCentredTransparentTextInTheTextColour) {
    GradientMeter& meter = dialog_.wide;
    meter.textColor = 0x0000FF00;
    meter.SetPos(42);
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    int fill = FillWidth(42, 100, 240);  // 100
    std::vector<COLORREF> columns = Expected(meter, fill);
    EXPECT_TRUE(ShowsColumns(surface, columns));
    EXPECT_NE(columns[fill], meter.backgroundColor) << "the band holding the fill edge is drawn";
    EXPECT_EQ(columns[fill + 2], meter.backgroundColor);
    ASSERT_EQ(surface.Texts().size(), 1u);
    const TextDrawing& text = surface.Texts()[0];
    EXPECT_EQ(text.text, "42 %");
    EXPECT_EQ(text.color, 0x0000FF00u);
    EXPECT_EQ(text.backgroundMode, TRANSPARENT);
    EXPECT_EQ(text.format, 0x25u);
    EXPECT_EQ(text.rect, (RECT{0, 0, 240, 15}));
}

TEST_F(GradientMeterTest, WithoutShowTextNoTextIsDrawnEvenWhenFull) {
    GradientMeter& meter = dialog_.small;
    meter.showText = false;
    meter.SetPos(100);
    Repaint(meter);
    EXPECT_TRUE(meter.PaintSurface().Texts().empty());
    EXPECT_TRUE(ShowsColumns(meter.PaintSurface(), Expected(meter, 150)));
}

TEST_F(GradientMeterTest, ControlNarrowerThanItsBandsSkipsEmptyBands) {
    GradientMeter& meter = dialog_.narrow;  // 30 pixels for 238 bands
    meter.SetPos(100);
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    EXPECT_TRUE(ShowsColumns(surface, Expected(meter, 30)));
    // Bands 0 to 6 are empty; band 7 is the first to cover a pixel.
    EXPECT_EQ(surface.Pixel(0, 0), 0x00EEE7A9u);
    std::vector<COLORREF> row = Row(surface, 0);
    EXPECT_EQ(std::set<COLORREF>(row.begin(), row.end()).size(), 30u);
}

TEST_F(GradientMeterTest, WidthDependsOnTheUpperBoundOnly) {
    GradientMeter& meter = dialog_.small;
    meter.SetRange(20, 80);
    EXPECT_EQ(meter.GetPos(), 20);
    Repaint(meter);
    EXPECT_TRUE(ShowsColumns(meter.PaintSurface(), Expected(meter, 37)));  // 20 / 80 of 150
    ASSERT_EQ(meter.PaintSurface().Texts().size(), 1u);
    EXPECT_EQ(meter.PaintSurface().Texts()[0].text, "25 %");
}

TEST_F(GradientMeterTest, EqualColoursDrawAPlainBarOfTheFillWidth) {
    GradientMeter& meter = dialog_.small;
    meter.startColor = meter.endColor = 0x00008000;
    meter.SetPos(50);
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    EXPECT_EQ(surface.Pixel(74, 5), 0x00008000u);
    EXPECT_EQ(surface.Pixel(75, 5), kDefaultButtonFace);
    EXPECT_TRUE(ShowsColumns(surface, Expected(meter, 75)));
}

// Fill widths beyond what an int holds, or of a zero upper bound, stay defined.
TEST_F(GradientMeterTest, DegenerateRangesPaintWithoutOverflow) {
    GradientMeter& meter = dialog_.small;
    meter.SetRange(0, 0);
    Repaint(meter);  // 0 / 0: no fill
    EXPECT_TRUE(ShowsColumns(meter.PaintSurface(), Expected(meter, 0)));

    meter.SetRange(INT_MIN, 1);
    Repaint(meter);  // far left of the client area: background only
    EXPECT_TRUE(ShowsColumns(meter.PaintSurface(), Expected(meter, INT_MIN)));
    EXPECT_EQ(meter.PaintSurface().Pixel(0, 0), meter.backgroundColor);
}

class OutOfRangeTest : public GradientMeterTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutOfRangeTest, ShowsOnlyTheCurrentButtonFaceAndNoText) {
    GradientMeter& meter = dialog_.small;
    SetSysColor(COLOR_BTNFACE, 0x00336699);  // the theme changed after construction
    meter.SetPos(GetParam());
    Repaint(meter);
    const Surface& surface = meter.PaintSurface();
    EXPECT_TRUE(ShowsColumns(surface, std::vector<COLORREF>(150, 0x00336699)));
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_EQ(meter.GetPos(), GetParam()) << "the meter keeps its position unclamped";
    EXPECT_EQ(meter.Describe().position, GetParam()) << "front ends see what is painted";
}

INSTANTIATE_TEST_SUITE_P(AboveAndBelow, OutOfRangeTest, ::testing::Values(150, -1, 101));

TEST_F(GradientMeterTest, PartialRepaintChangesOnlyTheInvalidatedArea) {
    GradientMeter& meter = dialog_.wide;
    meter.SetPos(100);
    Repaint(meter);
    std::vector<COLORREF> before = Expected(meter, 240);
    ASSERT_TRUE(ShowsColumns(meter.PaintSurface(), before));

    meter.startColor = 0x000000FF;
    meter.endColor = 0x0000FF00;
    const RECT area{50, 3, 120, 9};
    meter.InvalidateRect(&area);
    meter.UpdateWindow();
    std::vector<COLORREF> after = Expected(meter, 240);
    const Surface& surface = meter.PaintSurface();
    EXPECT_TRUE(ShowsColumns(surface, after, area));
    EXPECT_TRUE(ShowsColumns(surface, before, RECT{0, 0, 240, 3}));
    EXPECT_TRUE(ShowsColumns(surface, before, RECT{0, 9, 240, 15}));
    EXPECT_TRUE(ShowsColumns(surface, before, RECT{0, 3, 50, 9}));
    EXPECT_TRUE(ShowsColumns(surface, before, RECT{120, 3, 240, 9}));
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

TEST_F(GradientMeterTest, SetPosPassesThePositionOnAndTheControlRepaints) {
    GradientMeter& meter = dialog_.small;
    meter.UpdateWindow();
    ASSERT_FALSE(meter.HasUpdate());
    meter.SetPos(30);
    EXPECT_EQ(meter.ProgressBar::GetPos(), 30);
    EXPECT_TRUE(meter.HasUpdate()) << "the underlying control invalidates itself";
    meter.UpdateWindow();
    EXPECT_FALSE(meter.HasUpdate());
    EXPECT_TRUE(ShowsColumns(meter.PaintSurface(), Expected(meter, FillWidth(30, 100, 150))));
}

// Every change of the meter's own position repaints it, also when the underlying control
// already holds that value (a range reset in between) or clamps both to the same end.
TEST_F(GradientMeterTest, RepaintsWhatItHoldsAfterARangeResetOrAClampedChange) {
    GradientMeter& meter = dialog_.small;
    meter.SetPos(50);
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

TEST_F(GradientMeterTest, NoDrawingObjectOutlivesAPaint) {
    GradientMeter& meter = dialog_.wide;
    Repaint(meter);
    std::size_t before = LiveGdiObjectCount();
    for (int position : {0, 42, 100, 150, -1}) {
        meter.SetPos(position);
        Repaint(meter);
        EXPECT_EQ(LiveGdiObjectCount(), before) << "after painting " << position;
    }
    const RECT area{10, 2, 20, 8};
    meter.SetPos(50);
    meter.UpdateWindow();
    meter.InvalidateRect(&area);
    meter.UpdateWindow();
    EXPECT_EQ(LiveGdiObjectCount(), before);
}

}  // namespace
