#include "platform/gdi/surface.h"

#include <algorithm>

namespace {

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// One pixel in each of `rows` rows, `stride` pixels apart: four rows a turn, then the rest in
// one go. The arguments are copies, so a store cannot change them and nothing is read again
// from memory in the loop.
void FillColumn(COLORREF* pixel, std::ptrdiff_t stride, int rows, COLORREF color) {
    for (; rows >= 4; rows -= 4, pixel += 4 * stride) {
        pixel[0] = color;
        pixel[stride] = color;
        pixel[2 * stride] = color;
        pixel[3 * stride] = color;
    }
    switch (rows) {
        case 3:
            pixel[2 * stride] = color;
            [[fallthrough]];
        case 2:
            pixel[stride] = color;
            [[fallthrough]];
        case 1:
            pixel[0] = color;
            break;
        default:
            break;
    }
}

void FillRows(COLORREF* row, std::ptrdiff_t stride, std::size_t width, int rows, COLORREF color) {
    for (; rows > 0; --rows, row += stride) std::fill_n(row, width, color);
}

}  // namespace

Surface::Surface(int width, int height, COLORREF fill) { Reset(width, height, fill); }

void Surface::Reset(int width, int height, COLORREF fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
    texts_.clear();
}

COLORREF Surface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Surface::SetPixel(int x, int y, COLORREF color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = color;
}

void Surface::Fill(const RECT& rect, COLORREF color) {
    RECT r = IntersectRects(rect, Bounds());
    if (r.IsEmpty()) return;
    COLORREF* first = pixels_.data() + static_cast<std::ptrdiff_t>(r.top) * width_ + r.left;
    if (r.Width() == 1) {
        FillColumn(first, width_, r.Height(), color);  // the gradient's bands mostly are
    } else {
        FillRows(first, width_, static_cast<std::size_t>(r.Width()), r.Height(), color);
    }
    if (!texts_.empty()) DropTextsCoveredBy(r);
}

void Surface::CopyFrom(const Surface& source, int sx, int sy, int w, int h, int x, int y,
                       const RECT& clip) {
    // The destination area, limited by the clip, this surface and the source's extent.
    RECT dest = IntersectRects(RECT{x, y, x + w, y + h}, IntersectRects(clip, Bounds()));
    dest = IntersectRects(dest, OffsetRectBy(source.Bounds(), x - sx, y - sy));
    if (dest.IsEmpty()) return;
    const int dx = x - sx;
    const int dy = y - sy;
    for (LONG row = dest.top; row < dest.bottom; ++row) {
        auto from = source.pixels_.begin() + static_cast<std::ptrdiff_t>(row - dy) * source.width_ +
                    (dest.left - dx);
        auto to = pixels_.begin() + static_cast<std::ptrdiff_t>(row) * width_ + dest.left;
        std::copy(from, from + dest.Width(), to);
    }
    DropTextsCoveredBy(dest);
    for (const TextDrawing& text : source.texts_) {
        RECT moved = OffsetRectBy(text.rect, dx, dy);
        if (IntersectRects(moved, dest).IsEmpty()) continue;
        TextDrawing copy = text;
        copy.rect = moved;
        copy.clip = IntersectRects(OffsetRectBy(text.clip, dx, dy), dest);
        texts_.push_back(std::move(copy));
    }
}

void Surface::ClearTextsIn(const RECT& rect) {
    std::erase_if(texts_, [&](const TextDrawing& text) {
        return !IntersectRects(text.rect, rect).IsEmpty();
    });
}

void Surface::DropTextsCoveredBy(const RECT& rect) {
    std::erase_if(texts_, [&](const TextDrawing& text) {
        RECT shown = IntersectRects(text.rect, text.clip);
        return shown.IsEmpty() || Contains(rect, shown);
    });
}
