#include "frontend/fltk/color_conversion.h"

#include <FL/Fl.H>

#include <algorithm>

Rgb ToRgb(COLORREF color) { return Rgb{GetRValue(color), GetGValue(color), GetBValue(color)}; }

Fl_Color ToFlColor(COLORREF color) {
    Rgb rgb = ToRgb(color);
    return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}

std::vector<std::uint8_t> SurfaceToRgb(const Surface& surface, int scale) {
    scale = std::max(scale, 1);
    const int width = surface.Width() * scale;
    const int height = surface.Height() * scale;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    std::size_t out = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb pixel = ToRgb(surface.Pixel(x / scale, y / scale));
            rgb[out++] = pixel.r;
            rgb[out++] = pixel.g;
            rgb[out++] = pixel.b;
        }
    }
    return rgb;
}
