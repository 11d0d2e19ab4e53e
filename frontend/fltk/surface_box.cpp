#include "frontend/fltk/surface_box.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "frontend/fltk/screenshot.h"
#include "frontend/fltk/text_mapping.h"

namespace {

Fl_Color ToFlColor(COLORREF color) {
    Rgb rgb = ToRgb(color);
    return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}

// Where a measured text of w x h lands inside the box for the alignment.
void PlaceText(Fl_Align align, int bx, int by, int bw, int bh, int& w, int& h, int& x, int& y) {
    x = (align & FL_ALIGN_LEFT) ? bx : (align & FL_ALIGN_RIGHT) ? bx + bw - w : bx + (bw - w) / 2;
    y = (align & FL_ALIGN_TOP) ? by : (align & FL_ALIGN_BOTTOM) ? by + bh - h : by + (bh - h) / 2;
}

}  // namespace

SurfaceBox::SurfaceBox(int x, int y, int w, int h, Source source, int scale, DesktopFont font)
    : Fl_Widget(x, y, w, h), source_(std::move(source)), scale_(std::max(scale, 1)), font_(font) {
    box(FL_NO_BOX);
}

void SurfaceBox::draw() {
    const Surface* surface = source_ ? source_() : nullptr;
    fl_push_clip(x(), y(), w(), h());
    if (surface == nullptr || surface->Width() == 0 || surface->Height() == 0) {
        fl_rectf(x(), y(), w(), h(), color());
    } else {
        std::vector<std::uint8_t> rgb = SurfaceToRgb(*surface, scale_);
        fl_draw_image(rgb.data(), x(), y(), surface->Width() * scale_, surface->Height() * scale_,
                      3);
        for (const TextDrawing& text : surface->Texts()) DrawText(text);
    }
    fl_pop_clip();
}

void SurfaceBox::DrawText(const TextDrawing& text) const {
    const int bx = x() + text.rect.left * scale_;
    const int by = y() + text.rect.top * scale_;
    const int bw = std::max<int>(text.rect.Width(), 0) * scale_;
    const int bh = std::max<int>(text.rect.Height(), 0) * scale_;
    const bool clipped = (text.format & DT_NOCLIP) == 0;
    if (clipped) {
        RECT clip = IntersectRects(text.clip, text.rect);
        fl_push_clip(x() + clip.left * scale_, y() + clip.top * scale_, clip.Width() * scale_,
                     clip.Height() * scale_);
    }
    const Fl_Align align = DrawTextAlign(text.format);
    fl_font(font_.face, font_.size);
    int w = (align & FL_ALIGN_WRAP) ? bw : 0;
    int h = 0;
    fl_measure(text.text.c_str(), w, h, 0);
    int tx = 0;
    int ty = 0;
    PlaceText(align, bx, by, bw, bh, w, h, tx, ty);
    if (text.backgroundMode == OPAQUE) fl_rectf(tx, ty, w, h, ToFlColor(text.backgroundColor));
    fl_color(ToFlColor(text.color));
    fl_draw(text.text.c_str(), bx, by, bw, bh, align, nullptr, 0);
    if (clipped) fl_pop_clip();
}
