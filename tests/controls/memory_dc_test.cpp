// The off-screen surface: drawing stays off-screen until destruction, then exactly the clip box
// reaches the target, in the target's coordinates; nothing outlives it.
#include "controls/memory_dc.h"

#include <gtest/gtest.h>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/gdi.h"

namespace {

constexpr COLORREF kPaper = 0x00123456;
constexpr COLORREF kInk = 0x000000FF;
constexpr COLORREF kMark = 0x00FF0000;

class MemoryDCTest : public ::testing::Test {
  protected:
    void Open(const RECT& clip) { target_.Attach(CreateSurfaceDC(surface_, clip)); }
    void TearDown() override { ::DeleteDC(target_.Detach()); }

    void Fill(DeviceContext& dc, const RECT& rect, COLORREF color) {
        BrushObject brush(color);
        dc.FillRect(&rect, brush.Handle());
    }

    Surface surface_{40, 20, kPaper};
    DeviceContext target_;
};

TEST_F(MemoryDCTest, DrawsOffScreenAndCopiesTheClipBoxBackAtTheSameCoordinates) {
    const RECT clip{10, 5, 30, 15};
    Open(clip);
    const std::size_t objects = LiveGdiObjectCount();
    {
        MemoryDC memory(&target_);
        EXPECT_TRUE(memory.IsMemDC());
        EXPECT_EQ(memory.ClipRect(), clip);
        Fill(memory, RECT{0, 0, 40, 20}, kInk);
        // Addressed in the target's coordinates: this lands on pixel (12, 6) of the target.
        Fill(memory, RECT{12, 6, 13, 7}, kMark);
        EXPECT_EQ(surface_.Pixel(20, 10), kPaper) << "drawing reached the target early";
    }
    EXPECT_EQ(LiveGdiObjectCount(), objects) << "a drawing object outlived the memory DC";
    for (int y = 0; y < surface_.Height(); ++y) {
        for (int x = 0; x < surface_.Width(); ++x) {
            bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
            COLORREF want = !inside ? kPaper : (x == 12 && y == 6) ? kMark : kInk;
            ASSERT_EQ(surface_.Pixel(x, y), want) << "at " << x << "," << y;
        }
    }
}

TEST_F(MemoryDCTest, UntouchedSurfaceIsCopiedAsCreated) {
    Open(RECT{0, 0, 4, 3});
    { MemoryDC memory(&target_); }
    EXPECT_EQ(surface_.Pixel(0, 0), 0u);
    EXPECT_EQ(surface_.Pixel(3, 2), 0u);
    EXPECT_EQ(surface_.Pixel(4, 2), kPaper);
}

TEST_F(MemoryDCTest, EmptyClipBoxDrawsNothingAndLeaksNothing) {
    Open(RECT{50, 50, 60, 60});  // outside the surface: the clip box is empty
    std::size_t before = LiveGdiObjectCount();
    {
        MemoryDC memory(&target_);
        Fill(memory, RECT{0, 0, 40, 20}, kInk);
    }
    EXPECT_EQ(LiveGdiObjectCount(), before);
    EXPECT_EQ(surface_.Pixel(0, 0), kPaper);
    EXPECT_EQ(surface_.Pixel(39, 19), kPaper);
}

}  // namespace
