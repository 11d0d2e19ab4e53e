// A group box: an engraved frame with its caption on the top edge. It takes no input, so
// the controls inside it get their taps whatever the creation order.
#pragma once

#include <FL/Fl_Widget.H>

#include "frontend/fltk/widget_geometry.h"

class GroupFrame : public Fl_Widget {
  public:
    GroupFrame(int x, int y, int w, int h, DesktopFont font);
    void draw() override;

  private:
    DesktopFont font_;
};
