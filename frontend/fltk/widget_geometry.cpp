#include "frontend/fltk/widget_geometry.h"

#include <algorithm>
#include <numeric>

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

std::vector<WidgetBox> LayoutTabs(const std::vector<int>& textWidths, const WidgetBox& strip,
                                  int padding) {
    std::vector<int> widths;
    widths.reserve(textWidths.size());
    for (int text : textWidths) widths.push_back(std::max(text, 0) + 2 * padding);
    const long long total = std::accumulate(widths.begin(), widths.end(), 0LL);
    if (total > strip.w && total > 0) {
        for (int& width : widths) {
            width = std::max(1, static_cast<int>(width * static_cast<long long>(strip.w) / total));
        }
    }
    std::vector<WidgetBox> tabs;
    tabs.reserve(widths.size());
    int x = strip.x;
    for (int width : widths) {
        tabs.push_back(WidgetBox{x, strip.y, width, strip.h});
        x += width;
    }
    return tabs;
}
