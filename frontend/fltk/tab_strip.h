// The tab strip of a property sheet: the pages' captions in the sheet's order, the active one
// raised. A tap on a tab selects it through the model (SelectTab), which activates the page.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>
#include <vector>

#include "frontend/fltk/input_sink.h"
#include "frontend/fltk/widget_geometry.h"

class TabStrip : public Fl_Widget {
  public:
    TabStrip(const WidgetBox& area, HWND sheet, DesktopFont font, int scale, InputSink& sink);

    void draw() override;
    int handle(int event) override;

    struct Tabs {
        std::vector<WidgetBox> boxes;
        DesktopFont font;  // the captions' font: smaller than the window's when they do not fit
    };
    // The tabs for the captions in a strip (the font must be measurable: a display is open).
    static Tabs Layout(const std::vector<std::string>& captions, const WidgetBox& strip,
                       DesktopFont font, int scale);
    // Tabs side by side from the strip's left edge, each as wide as its text plus `padding`
    // on both sides and as high as the strip. When they do not fit, all shrink in proportion.
    static std::vector<WidgetBox> Place(const std::vector<int>& textWidths, const WidgetBox& strip,
                                        int padding);

  private:
    WidgetBox VisibleStrip() const;
    void DrawTab(const WidgetBox& tab, const std::string& caption, const DesktopFont& font,
                 bool active) const;

    HWND sheet_;
    DesktopFont font_;
    int scale_;
    InputSink& sink_;
};
