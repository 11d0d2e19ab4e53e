// Surface fills: a one-pixel column (filled four rows a turn) and wider rectangles paint exactly
// the pixels that setting them one by one paints, clipped to the surface.
#include "platform/gdi/surface.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBackground = 0x00C0C0C0;
constexpr COLORREF kPaint = 0x00123456;

// The reference: every pixel of `rect` that lies on the surface, set one at a time.
Surface SetOneByOne(int width, int height, const RECT& rect) {
    Surface expected(width, height, kBackground);
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) expected.SetPixel(x, y, kPaint);
    }
    return expected;
}

void ExpectFillMatchesPixelByPixel(const RECT& rect) {
    constexpr int kWidth = 5;
    constexpr int kHeight = 11;
    Surface surface(kWidth, kHeight, kBackground);
    surface.Fill(rect, kPaint);
    EXPECT_EQ(surface.Pixels(), SetOneByOne(kWidth, kHeight, rect).Pixels())
        << "rect " << rect.left << "," << rect.top << " - " << rect.right << "," << rect.bottom;
}

// Every height from none to the whole surface and beyond, at every start row, so that each
// count of rows left after the turns of four comes up, at the edges as well.
TEST(SurfaceFillTest, ColumnsOfEveryHeightAndStart) {
    for (LONG top = -2; top <= 11; ++top) {
        for (LONG height = 0; height <= 14; ++height) {
            ExpectFillMatchesPixelByPixel(RECT{2, top, 3, top + height});
            ExpectFillMatchesPixelByPixel(RECT{4, top, 5, top + height});  // the last column
        }
    }
}

TEST(SurfaceFillTest, WiderRectanglesAndRectanglesOffTheSurface) {
    for (const RECT& rect : {RECT{0, 0, 5, 11}, RECT{1, 3, 3, 4}, RECT{-3, -3, 2, 20},
                             RECT{3, 2, 9, 7}, RECT{5, 0, 6, 11}, RECT{2, 4, 2, 9}}) {
        ExpectFillMatchesPixelByPixel(rect);
    }
}

}  // namespace
