// Colours of the drawing model (0x00BBGGRR) as the desktop toolkit wants them.
#pragma once

#include <FL/Enumerations.H>

#include <cstdint>
#include <vector>

#include "platform/gdi/surface.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

Rgb ToRgb(COLORREF color);
Fl_Color ToFlColor(COLORREF color);

// The surface's pixels as packed 8-bit RGB rows, each pixel repeated `scale` times across and
// down (nearest neighbour). A non-positive scale counts as 1.
std::vector<std::uint8_t> SurfaceToRgb(const Surface& surface, int scale);
