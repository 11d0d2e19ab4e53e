#include "frontend/fltk/screenshot.h"

#include <FL/Fl.H>
#include <FL/Fl_Image_Surface.H>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#pragma GCC diagnostic ignored "-Wpedantic"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

Rgb ToRgb(COLORREF color) { return Rgb{GetRValue(color), GetGValue(color), GetBValue(color)}; }

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

Rgb RgbImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return Rgb{};
    std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return Rgb{pixels[at], pixels[at + 1], pixels[at + 2]};
}

std::optional<RgbImage> CaptureWindow(Fl_Window& window) {
    if (!window.shown() || window.w() <= 0 || window.h() <= 0) return std::nullopt;
    Fl::flush();
    Fl_Image_Surface surface(window.w(), window.h());
    surface.set_current();
    surface.draw(&window);
    std::unique_ptr<Fl_RGB_Image> image(surface.image());
    Fl_Display_Device::display_device()->set_current();
    if (!image || image->d() < 3 || image->data() == nullptr) return std::nullopt;
    RgbImage result;
    result.width = image->w();
    result.height = image->h();
    result.pixels.resize(static_cast<std::size_t>(result.width) * result.height * 3);
    const auto* data = reinterpret_cast<const std::uint8_t*>(image->data()[0]);
    const int depth = image->d();
    const int line = image->ld() != 0 ? image->ld() : image->w() * depth;
    std::size_t out = 0;
    for (int y = 0; y < result.height; ++y) {
        const std::uint8_t* row = data + static_cast<std::size_t>(y) * line;
        for (int x = 0; x < result.width; ++x) {
            result.pixels[out++] = row[x * depth];
            result.pixels[out++] = row[x * depth + 1];
            result.pixels[out++] = row[x * depth + 2];
        }
    }
    return result;
}

bool WritePng(const RgbImage& image, const std::string& path, std::string& error) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        error = "no picture to write";
        return false;
    }
    errno = 0;
    if (stbi_write_png(path.c_str(), image.width, image.height, 3, image.pixels.data(),
                       image.width * 3) == 0) {
        error =
            "cannot write " + path + (errno != 0 ? std::string(": ") + std::strerror(errno) : "");
        return false;
    }
    return true;
}

std::optional<RgbImage> ReadPng(const std::string& path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &width, &height, &channels, 3);
    if (data == nullptr) return std::nullopt;
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(data, data + static_cast<std::size_t>(width) * height * 3);
    stbi_image_free(data);
    return image;
}
