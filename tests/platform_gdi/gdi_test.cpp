// Drawing: fills and copies with clipping and origins, recorded text, object lifetimes.
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"

namespace {

constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kGrey = 0x00C0C0C0;

class GdiTest : public ::testing::Test {
  protected:
    void SetUp() override { baseline = LiveGdiObjectCount(); }
    void TearDown() override { EXPECT_EQ(LiveGdiObjectCount(), baseline) << "leaked objects"; }

    void Fill(HDC hdc, RECT rect, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        EXPECT_EQ(FillRect(hdc, &rect, brush), 1);
        EXPECT_TRUE(DeleteObject(brush));
    }
    std::size_t baseline = 0;
};

TEST_F(GdiTest, FillStaysInsideTheClipBox) {
    Surface window(20, 10, kGrey);
    HDC hdc = CreateSurfaceDC(window, RECT{5, 0, 15, 10});
    RECT clip;
    EXPECT_EQ(GetClipBox(hdc, &clip), 2);
    EXPECT_EQ(clip, (RECT{5, 0, 15, 10}));
    Fill(hdc, RECT{0, 0, 20, 10}, kRed);
    EXPECT_EQ(window.Pixel(4, 5), kGrey);
    EXPECT_EQ(window.Pixel(5, 5), kRed);
    EXPECT_EQ(window.Pixel(14, 9), kRed);
    EXPECT_EQ(window.Pixel(15, 5), kGrey);
    EXPECT_TRUE(DeleteDC(hdc));
}

// The off-screen drawing itself is the memory DC's test; here, what it relies on: a bitmap
// cannot be deleted while selected, and selecting back returns it.
TEST_F(GdiTest, SelectedBitmapCannotBeDeleted) {
    Surface window(40, 10, kGrey);
    HDC target = CreateSurfaceDC(window, RECT{10, 2, 30, 8});
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, 20, 6);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    EXPECT_NE(previous, HGDI_ERROR);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(memory, previous), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteDC(target));
}

TEST_F(GdiTest, BlockCopyOnlyWithSourceCopyAndWithinBothSurfaces) {
    Surface window(10, 10, kGrey);
    HDC target = CreateSurfaceDC(window, window.Bounds());
    DeviceContext memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&memory, 4, 4));
    HGDIOBJ previous = memory.SelectObject(bitmap.Handle());
    RECT all{0, 0, 4, 4};
    memory.FillSolidRect(&all, kRed);
    EXPECT_FALSE(BitBlt(target, 0, 0, 4, 4, memory.Handle(), 0, 0, 0x00EE0086));
    EXPECT_EQ(window.Pixel(0, 0), kGrey);
    // Asked for more than the source holds: only its 4 x 4 pixels arrive.
    EXPECT_TRUE(BitBlt(target, 8, 8, 10, 10, memory.Handle(), 0, 0, SRCCOPY));
    EXPECT_EQ(window.Pixel(8, 8), kRed);
    EXPECT_EQ(window.Pixel(9, 9), kRed);
    EXPECT_EQ(window.Pixel(7, 7), kGrey);
    memory.SelectObject(previous);
    bitmap.DeleteObject();
    memory.DeleteDC();
    DeleteDC(target);
}

TEST_F(GdiTest, TextIsRecordedWithColourModeAndFlags) {
    Surface window(60, 12, kGrey);
    DeviceContext dc(CreateSurfaceDC(window, window.Bounds()));
    dc.SetTextColor(0x00FFFFFF);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    RECT rect{0, 0, 60, 12};
    EXPECT_EQ(dc.DrawText("42 %", &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              kSystemFontHeight);
    ASSERT_EQ(window.Texts().size(), 1u);
    const TextDrawing& text = window.Texts()[0];
    EXPECT_EQ(text.text, "42 %");
    EXPECT_EQ(text.rect, rect);
    EXPECT_EQ(text.color, 0x00FFFFFFu);
    EXPECT_EQ(text.backgroundMode, TRANSPARENT);
    EXPECT_EQ(text.format, 0x25u);
    // Paint that covers the text removes it; paint beside it does not.
    BrushObject brush(kRed);
    RECT half{0, 0, 30, 12};
    dc.FillRect(&half, brush.Handle());
    EXPECT_EQ(window.Texts().size(), 1u);
    dc.FillRect(&rect, brush.Handle());
    EXPECT_TRUE(window.Texts().empty());
    DeleteDC(dc.Detach());
}

TEST_F(GdiTest, ButtonFaceIsLightGreyAndBadHandlesAreRefused) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), kGrey);
    RECT rect{0, 0, 1, 1};
    EXPECT_EQ(FillRect(0x1234, &rect, 0x5678), 0);
    EXPECT_EQ(CreateCompatibleBitmap(0, 0, 5), 0u);
    EXPECT_EQ(SelectObject(0x1234, 0x5678), HGDI_ERROR);
    EXPECT_FALSE(DeleteDC(0x1234));
    EXPECT_EQ(TextWidth("Signal"), 6 * kSystemFontAverageWidth);
    EXPECT_EQ(TextWidth("\xC3\xA9t\xC3\xA9"), 3 * kSystemFontAverageWidth);  // UTF-8 "été"
}

}  // namespace
