// A drop-down list: the entries as a flat menu whose labels show the texts literally.
#pragma once

#include <FL/Fl_Choice.H>

#include <string>
#include <vector>

#include "frontend/fltk/widget_geometry.h"

class ComboChoice : public Fl_Choice {
  public:
    ComboChoice(int x, int y, int w, int h, DesktopFont font);

    // Shows the entries (rebuilding the menu only when they changed) and the selection
    // (-1: none).
    void SetItems(const std::vector<std::string>& items, int selection);

  private:
    DesktopFont font_;
    std::vector<std::string> items_;
    std::vector<std::string> labels_;
    std::vector<Fl_Menu_Item> menu_;
};
