#include "frontend/fltk/desktop_font.h"

#include <algorithm>
#include <cctype>

DesktopFont FontForTemplate(const std::string& name, int points, const WidgetGeometry& geometry) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    DesktopFont font;
    font.face = lower.find("courier") != std::string::npos ? FL_COURIER : FL_HELVETICA;
    font.size = geometry.FontSize(points);
    return font;
}
