// Pictures as packed 8-bit RGB: the model's surfaces for the toolkit's images, and desktop
// windows for tests and documentation.
#pragma once

#include <FL/Fl_Window.H>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/surface.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// A colour of the drawing model (0x00BBGGRR).
Rgb ToRgb(COLORREF color);

// The surface's pixels as packed RGB rows, each pixel repeated `scale` times across and down
// (nearest neighbour). A non-positive scale counts as 1.
std::vector<std::uint8_t> SurfaceToRgb(const Surface& surface, int scale);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // rows of packed RGB

    // Black outside the image.
    Rgb At(int x, int y) const;
};

// Renders the window's widgets off-screen (other windows in front of it do not matter);
// nothing when the window is not shown.
std::optional<RgbImage> CaptureWindow(Fl_Window& window);
// Writes a PNG; false with `error` set when the file cannot be written.
bool WritePng(const RgbImage& image, const std::string& path, std::string& error);
// Reads a PNG written by WritePng (or any 8-bit PNG); nothing when it cannot.
std::optional<RgbImage> ReadPng(const std::string& path);
