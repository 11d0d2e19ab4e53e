// The desktop front end's translations that need no display: colours, geometry, text layout
// flags, labels, line ends and file filters.
#include <gtest/gtest.h>

#include "frontend/fltk/screenshot.h"
#include "frontend/fltk/tab_strip.h"
#include "frontend/fltk/text_mapping.h"
#include "frontend/fltk/widget_geometry.h"
#include "platform/ui/window_constants.h"

namespace {

TEST(ColorConversion, ModelColoursAreBlueGreenRedFromTheTopByte) {
    EXPECT_EQ(ToRgb(0x00EEEEAF), (Rgb{0xAF, 0xEE, 0xEE}));
    EXPECT_EQ(ToRgb(0xFF123456), (Rgb{0x56, 0x34, 0x12}));  // the top byte is not a colour
}

TEST(WidgetGeometry, RectanglesAreScaledAndPlacedInTheirParent) {
    WidgetGeometry geometry(2);
    WidgetBox page = geometry.Map(RECT{0, 20, 203, 248}, WidgetBox{0, 0, 430, 526});
    EXPECT_EQ(page, (WidgetBox{0, 40, 406, 456}));
    // The toolkit places every widget relative to the window, so offsets add up.
    EXPECT_EQ(geometry.Map(RECT{12, 11, 62, 29}, page), (WidgetBox{24, 62, 100, 36}));
    // Empty or inverted rectangles get no size; a client area is never empty.
    EXPECT_EQ(WidgetGeometry(3).Map(RECT{10, 10, 5, 5}, WidgetBox{}), (WidgetBox{30, 30, 0, 0}));
    EXPECT_EQ(WidgetGeometry(3).Client(0, 0), (WidgetBox{0, 0, 3, 3}));
}

TEST(WidgetGeometry, ScaleIsAtLeastOneAndSizesTheFont) {
    EXPECT_EQ(WidgetGeometry(0).Scale(), 1);
    EXPECT_EQ(WidgetGeometry(-2).Length(7), 7);
    EXPECT_EQ(WidgetGeometry(2).FontSize(8), 22);
    EXPECT_EQ(WidgetGeometry(2).Font("System", 8).face, FL_HELVETICA);
    EXPECT_EQ(WidgetGeometry(2).Font("Courier New", 8).face, FL_COURIER);
}

TEST(TabLayout, TabsFitTheirTextsSideBySideAndShrinkInProportionWhenNarrow) {
    EXPECT_EQ(TabStrip::Place({30, 50}, WidgetBox{10, 5, 400, 40}, 4),
              (std::vector<WidgetBox>{{10, 5, 38, 40}, {48, 5, 58, 40}}));
    std::vector<WidgetBox> tabs =
        TabStrip::Place({90, 190, 90, 190, 90}, WidgetBox{0, 0, 330, 20}, 5);
    ASSERT_EQ(tabs.size(), 5u);
    EXPECT_LE(tabs.back().x + tabs.back().w, 330);
    EXPECT_EQ(tabs[1].w, 2 * tabs[0].w);
    for (std::size_t i = 1; i < tabs.size(); ++i)
        EXPECT_EQ(tabs[i].x, tabs[i - 1].x + tabs[i - 1].w);
}

struct AlignCase {
    UINT format;
    Fl_Align align;
};

class DrawTextAlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(DrawTextAlignTest, FormatFlagsBecomeAlignment) {
    EXPECT_EQ(DrawTextAlign(GetParam().format), GetParam().align);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, DrawTextAlignTest,
    ::testing::Values(
        // The meters' percentage: centred both ways.
        AlignCase{DT_CENTER | DT_VCENTER | DT_SINGLELINE, FL_ALIGN_INSIDE},
        AlignCase{DT_LEFT | DT_SINGLELINE, FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP},
        AlignCase{DT_RIGHT | DT_BOTTOM | DT_SINGLELINE,
                  FL_ALIGN_INSIDE | FL_ALIGN_RIGHT | FL_ALIGN_BOTTOM},
        // Vertical centring needs a single line, as with DrawText.
        AlignCase{DT_CENTER | DT_VCENTER, FL_ALIGN_INSIDE | FL_ALIGN_TOP},
        AlignCase{DT_WORDBREAK, FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_WRAP}));

TEST(StaticAlign, StyleChoosesTheHorizontalPlace) {
    const Fl_Align common = FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP | FL_ALIGN_CLIP;
    EXPECT_EQ(StaticAlign(SS_LEFT), common | FL_ALIGN_LEFT);
    EXPECT_EQ(StaticAlign(SS_CENTER), common);
    EXPECT_EQ(StaticAlign(SS_RIGHT | 0x50000000u), common | FL_ALIGN_RIGHT);
}

TEST(Labels, TextsShowLiterallyExceptTheMnemonicMark) {
    EXPECT_EQ(EscapeLabel("&Rescan"), "&Rescan");
    EXPECT_EQ(EscapeLabel("user@host"), "user@@host");
    EXPECT_EQ(EscapeMenuLabel("A&B @x/y"), "A&&B @@x/y");
}

TEST(LineEnds, ModelAndDesktopLinesConvertBothWays) {
    EXPECT_EQ(ToDesktopLines("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(ToDesktopLines("lone\rcarriage"), "lone\rcarriage");
    EXPECT_EQ(ToModelLines("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(ToModelLines("a\r\nb"), "a\r\nb");  // already CR LF: not doubled
}

TEST(FileFilters, PairsBecomeChooserPatterns) {
    EXPECT_EQ(FileChooserFilter({{"Text Files", "*.txt"}, {"All Files", "*.*"}}),
              "Text Files (*.txt)\tAll Files (*)");
    EXPECT_EQ(FileChooserFilter({{"Images (hex)", "*.hex; *.txt"}}),
              "Images [hex] ({*.hex,*.txt})");
    EXPECT_EQ(FileChooserFilter({{"Nothing", ""}}), "");
}

}  // namespace
