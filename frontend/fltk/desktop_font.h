// The desktop face and size that stand for a template's font.
#pragma once

#include <FL/Enumerations.H>

#include <string>

#include "frontend/fltk/widget_geometry.h"

struct DesktopFont {
    Fl_Font face = FL_HELVETICA;
    int size = 11;
};

// Fixed-pitch template faces ("Courier...") become the toolkit's courier, every other one
// its sans-serif face; the size follows the points and the geometry's scale.
DesktopFont FontForTemplate(const std::string& name, int points, const WidgetGeometry& geometry);
