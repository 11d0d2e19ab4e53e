#include "frontend/fltk/widget_geometry.h"

#include <algorithm>
#include <cctype>

WidgetGeometry::WidgetGeometry(int scale) : scale_(std::max(scale, 1)) {}

WidgetBox WidgetGeometry::Map(const RECT& rect, const WidgetBox& parent) const {
    return WidgetBox{parent.x + Length(rect.left), parent.y + Length(rect.top),
                     Length(std::max<LONG>(rect.Width(), 0)),
                     Length(std::max<LONG>(rect.Height(), 0))};
}

WidgetBox WidgetGeometry::Client(int modelWidth, int modelHeight) const {
    return WidgetBox{0, 0, Length(std::max(modelWidth, 1)), Length(std::max(modelHeight, 1))};
}

int WidgetGeometry::FontSize(int templatePoints) const {
    // 8 points -> 11 pixels at scale 1: the face's ascent plus descent is then about the
    // 12-pixel line the model measures with.
    return std::max(templatePoints, 1) * 11 * scale_ / 8;
}

DesktopFont WidgetGeometry::Font(const std::string& templateName, int points) const {
    std::string lower(templateName);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    DesktopFont font;
    font.face = lower.find("courier") != std::string::npos ? FL_COURIER : FL_HELVETICA;
    font.size = FontSize(points);
    return font;
}
