#include "res/artwork.h"

namespace {

BYTE Mix(BYTE from, BYTE to, int step, int steps) {
    return static_cast<BYTE>(from + (to - from) * step / steps);
}

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
    return RGB(Mix(GetRValue(from), GetRValue(to), step, steps),
               Mix(GetGValue(from), GetGValue(to), step, steps),
               Mix(GetBValue(from), GetBValue(to), step, steps));
}

void HorizontalGradient(Surface& surface, COLORREF left, COLORREF right) {
    const int last = surface.Width() > 1 ? surface.Width() - 1 : 1;
    for (int x = 0; x < surface.Width(); ++x) {
        surface.Fill(RECT{x, 0, x + 1, surface.Height()}, Blend(left, right, x, last));
    }
}

// `count` bars standing on `baseline`, each `width` wide with `gap` between them, rising
// evenly to `tallest`; their colour goes from `low` to `high`.
struct Bars {
    int left, baseline, count, width, gap, tallest;
    COLORREF low, high;
};

void DrawBars(Surface& surface, const Bars& bars) {
    for (int i = 0; i < bars.count; ++i) {
        int x = bars.left + i * (bars.width + bars.gap);
        int height = bars.tallest * (i + 1) / bars.count;
        surface.Fill(RECT{x, bars.baseline - height, x + bars.width, bars.baseline},
                     Blend(bars.low, bars.high, i, bars.count > 1 ? bars.count - 1 : 1));
    }
}

constexpr COLORREF kDeepBlue = RGB(0x10, 0x2A, 0x6B);
constexpr COLORREF kTeal = RGB(0x3C, 0xA8, 0xC8);
constexpr COLORREF kPaleCyan = RGB(0xAF, 0xEE, 0xEE);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

}  // namespace

Surface DrawApplicationIcon() {
    Surface icon(kIconSize, kIconSize, kDeepBlue);
    icon.Fill(RECT{0, 0, kIconSize, 1}, kTeal);
    icon.Fill(RECT{0, 0, 1, kIconSize}, kTeal);
    DrawBars(icon, {5, 27, 4, 4, 2, 20, kPaleCyan, kWhite});
    return icon;
}

Surface DrawAboutPicture() {
    Surface picture(kAboutPictureWidth, kAboutPictureHeight);
    HorizontalGradient(picture, kDeepBlue, kTeal);
    DrawBars(picture, {112, 50, 6, 6, 3, 38, kPaleCyan, kWhite});
    picture.Fill(RECT{10, 52, kAboutPictureWidth - 10, 54}, kPaleCyan);
    return picture;
}
