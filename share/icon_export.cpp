// Writes the application icon as PNG files at the desktop's icon sizes:
//   sdwlan_icons OUTDIR SIZE...  ->  OUTDIR/SIZExSIZE/apps/sdwlan.png
// Each size is resampled from the icon the utility draws, averaging the source area that
// falls on each pixel, so small sizes stay smooth and large ones keep their sharp edges.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "res/artwork.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace {

// How much of source cell [cell, cell + 1) lies in [from, to).
double Overlap(int cell, double from, double to) {
    const double low = cell > from ? cell : from;
    const double high = cell + 1 < to ? cell + 1 : to;
    return high > low ? high - low : 0.0;
}

// One channel (shift 0, 8 or 16 of 0x00BBGGRR) of output pixel (x, y) at `scale` source
// pixels per output pixel.
unsigned char Sample(const Surface& icon, int x, int y, double scale, int shift) {
    double sum = 0.0;
    double weight = 0.0;
    for (int sy = static_cast<int>(y * scale); sy < (y + 1) * scale && sy < icon.Height(); ++sy) {
        for (int sx = static_cast<int>(x * scale); sx < (x + 1) * scale && sx < icon.Width();
             ++sx) {
            const double w =
                Overlap(sx, x * scale, (x + 1) * scale) * Overlap(sy, y * scale, (y + 1) * scale);
            sum += w * ((icon.Pixel(sx, sy) >> shift) & 0xFF);
            weight += w;
        }
    }
    return static_cast<unsigned char>(weight > 0 ? sum / weight + 0.5 : 0);
}

std::vector<unsigned char> Resample(const Surface& icon, int size) {
    const double scale = static_cast<double>(icon.Width()) / size;
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(size) * size * 3);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            for (int shift : {0, 8, 16}) rgb.push_back(Sample(icon, x, y, scale, shift));
        }
    }
    return rgb;
}

bool WriteIcon(const Surface& icon, const std::filesystem::path& dir, int size) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = dir / name / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / "sdwlan.png").string();
    const std::vector<unsigned char> rgb = Resample(icon, size);
    if (error || stbi_write_png(path.c_str(), size, size, 3, rgb.data(), size * 3) == 0) {
        std::fprintf(stderr, "sdwlan_icons: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: sdwlan_icons OUTDIR SIZE...\n");
        return 2;
    }
    const Surface icon = DrawApplicationIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "sdwlan_icons: '%s' is not an icon size\n", argv[i]);
            return 2;
        }
        if (!WriteIcon(icon, argv[1], size)) return 1;
    }
    return 0;
}
