// Where the model's windows go on the desktop, and the fonts they are drawn in.
//
// The model lays windows out in pixels of the handheld's screen (dialog units already
// converted with the template font). The desktop shows them magnified by an integer scale so
// that the small screen stays readable; every length is multiplied by it and nothing else
// changes, so a pixel of a painted surface becomes a scale x scale block.
#pragma once

#include <FL/Enumerations.H>

#include <string>

#include "platform/gdi/gdi_types.h"

// A rectangle in the toolkit's window coordinates.
struct WidgetBox {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const WidgetBox&) const = default;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// The desktop face and size that stand for a template's font.
struct DesktopFont {
    Fl_Font face = FL_HELVETICA;
    int size = 11;
};

class WidgetGeometry {
  public:
    static constexpr int kDefaultScale = 2;

    explicit WidgetGeometry(int scale = kDefaultScale);

    int Scale() const { return scale_; }
    int Length(int modelPixels) const { return modelPixels * scale_; }
    // A model rectangle relative to its parent's client area, placed inside `parent` (the
    // parent's box in window coordinates; the toolkit positions all widgets of a window
    // relative to the window, not to their group).
    WidgetBox Map(const RECT& rect, const WidgetBox& parent) const;
    // The box of a top-level window's client area of the given model size.
    WidgetBox Client(int modelWidth, int modelHeight) const;
    // Pixel size of a template font: the system font of 8 points is 12 pixels high on the
    // handheld; the desktop face of that line height is a little smaller in points.
    int FontSize(int templatePoints) const;
    // Fixed-pitch template faces ("Courier...") become the toolkit's courier, every other one
    // its sans-serif face; the size is FontSize(points).
    DesktopFont Font(const std::string& templateName, int points) const;

  private:
    int scale_;
};
