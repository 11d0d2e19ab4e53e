// A widget that shows a drawing surface of the model: the pixels of a custom-painted control
// (or of a bitmap resource), magnified by the geometry's scale, and the texts recorded on it
// drawn with the window's font.
#pragma once

#include <FL/Fl_Widget.H>

#include <functional>

#include "frontend/fltk/widget_geometry.h"
#include "platform/gdi/surface.h"

class SurfaceBox : public Fl_Widget {
  public:
    // `source` gives the surface to show at drawing time (null: nothing to show).
    using Source = std::function<const Surface*()>;

    SurfaceBox(int x, int y, int w, int h, Source source, int scale, DesktopFont font);

    void draw() override;

  private:
    void DrawText(const TextDrawing& text) const;

    Source source_;
    int scale_;
    DesktopFont font_;
};
