// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include "frontend/fltk/tab_strip.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <numeric>

#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

namespace {

constexpr int kTabPadding = 3;  // model pixels on each side of a caption

std::vector<WidgetBox> LayoutWithFont(const std::vector<std::string>& captions,
                                      const WidgetBox& strip, const DesktopFont& font, int scale) {
    fl_font(font.face, font.size);
    std::vector<int> widths;
    for (const std::string& caption : captions) {
        widths.push_back(static_cast<int>(fl_width(caption.c_str())));
    }
    return TabStrip::Place(widths, strip, kTabPadding * scale);
}

int TextWidthSum(const std::vector<std::string>& captions, const DesktopFont& font, int padding) {
    fl_font(font.face, font.size);
    int sum = 0;
    for (const std::string& caption : captions) {
        sum += static_cast<int>(fl_width(caption.c_str())) + 2 * padding;
    }
    return sum;
}

PropertySheet* SheetOf(HWND hwnd) {
    return dynamic_cast<PropertySheet*>(WindowManager::Instance().FromHandle(hwnd));
}

}  // namespace

TabStrip::TabStrip(const WidgetBox& area, HWND sheet, DesktopFont font, int scale, InputSink& sink)
    : Fl_Widget(area.x, area.y, area.w, area.h),
      sheet_(sheet),
      font_(font),
      scale_(scale),
      sink_(sink) {
    box(FL_FLAT_BOX);
}

TabStrip::Tabs TabStrip::Layout(const std::vector<std::string>& captions, const WidgetBox& strip,
                                DesktopFont font, int scale) {
    // Captions that do not fit get a smaller face, down to two thirds of the window's.
    const int smallest = std::max(1, font.size * 2 / 3);
    while (font.size > smallest && TextWidthSum(captions, font, kTabPadding * scale) > strip.w) {
        --font.size;
    }
    return Tabs{LayoutWithFont(captions, strip, font, scale), font};
}

WidgetBox TabStrip::VisibleStrip() const {
    // A sheet wider than its window would hide the last tabs: they share what is visible.
    const int visible = window() != nullptr ? window()->w() - x() : w();
    return WidgetBox{x(), y(), std::max(1, std::min(w(), visible)), h()};
}

void TabStrip::draw() {
    fl_rectf(x(), y(), w(), h(), color());
    PropertySheet* sheet = SheetOf(sheet_);
    if (sheet == nullptr) return;
    std::vector<std::string> captions = sheet->TabCaptions();
    Tabs tabs = Layout(captions, VisibleStrip(), font_, scale_);
    const int active = sheet->GetActiveIndex();
    fl_color(FL_DARK3);
    fl_line(x(), y() + h() - 1, x() + w() - 1, y() + h() - 1);
    for (std::size_t i = 0; i < tabs.boxes.size(); ++i) {
        DrawTab(tabs.boxes[i], captions[i], tabs.font, static_cast<int>(i) == active);
    }
}

void TabStrip::DrawTab(const WidgetBox& tab, const std::string& caption, const DesktopFont& font,
                       bool active) const {
    const int lift = active ? 0 : scale_ * 2;
    const int bottom = tab.y + tab.h - (active ? 0 : 1);
    fl_rectf(tab.x, tab.y + lift, tab.w, bottom - tab.y - lift, active ? FL_WHITE : color());
    fl_color(FL_DARK3);
    fl_line(tab.x, bottom - 1, tab.x, tab.y + lift, tab.x + tab.w - 1, tab.y + lift);
    fl_line(tab.x + tab.w - 1, tab.y + lift, tab.x + tab.w - 1, bottom - 1);
    fl_font(font.face, font.size);
    fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
    fl_draw(caption.c_str(), tab.x, tab.y + lift, tab.w, tab.h - lift, FL_ALIGN_CENTER, nullptr, 0);
}

int TabStrip::handle(int event) {
    if (event != FL_PUSH) return Fl_Widget::handle(event);
    PropertySheet* sheet = SheetOf(sheet_);
    if (sheet == nullptr) return 0;
    std::vector<WidgetBox> tabs = Layout(sheet->TabCaptions(), VisibleStrip(), font_, scale_).boxes;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (!tabs[i].Contains(Fl::event_x(), Fl::event_y())) continue;
        // This widget may be gone once the model has answered: keep what is needed.
        HWND hwnd = sheet_;
        InputSink& sink = sink_;
        SelectTab(*sheet, static_cast<int>(i));
        sink.InputDelivered(hwnd);
        return 1;
    }
    return 1;
}

std::vector<WidgetBox> TabStrip::Place(const std::vector<int>& textWidths, const WidgetBox& strip,
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
