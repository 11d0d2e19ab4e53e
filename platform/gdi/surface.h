// A 32-bit pixel buffer (colours 0x00BBGGRR) with the text drawn on it.
//
// Text is not rasterised: each DrawText is recorded with its rectangle, colour, background mode
// and format flags, and a front end renders it with its own font. A fill or copy that covers a
// recorded text completely removes it, as paint over text would.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/gdi_types.h"

// One recorded DrawText, in the surface's pixel coordinates.
struct TextDrawing {
    std::string text;  // UTF-8
    RECT rect;         // formatting rectangle
    RECT clip;         // the clip box in force when it was drawn
    COLORREF color = 0;
    int backgroundMode = OPAQUE;
    COLORREF backgroundColor = 0x00FFFFFF;
    UINT format = 0;
};

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Resizes and clears to `fill`; recorded texts go.
    void Reset(int width, int height, COLORREF fill = 0);

    // Colour at (x, y); 0 outside the surface.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);
    // Fills the part of `rect` that lies on the surface.
    void Fill(const RECT& rect, COLORREF color);
    // Copies the part of `source` at (sx, sy) of size w x h to (x, y), clipped to both surfaces
    // and to `clip` (in this surface's coordinates). Texts inside the copied source area come
    // along, moved.
    void CopyFrom(const Surface& source, int sx, int sy, int w, int h, int x, int y,
                  const RECT& clip);

    const std::vector<COLORREF>& Pixels() const { return pixels_; }
    const std::vector<TextDrawing>& Texts() const { return texts_; }
    void AddText(TextDrawing text) { texts_.push_back(std::move(text)); }
    // Removes the texts whose rectangles intersect `rect` (a repaint of that area redraws them).
    void ClearTextsIn(const RECT& rect);
    RECT Bounds() const { return RECT{0, 0, width_, height_}; }

  private:
    void DropTextsCoveredBy(const RECT& rect);

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
    std::vector<TextDrawing> texts_;
};

// Intersection of two rectangles; empty (all zero) when they do not meet. Inline, as are
// offsets: every drawing call clips and offsets a rectangle or two.
inline RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? RECT{} : r;
}

inline RECT OffsetRectBy(const RECT& rect, int dx, int dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}
