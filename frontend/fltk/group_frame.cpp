#include "frontend/fltk/group_frame.h"

#include <FL/fl_draw.H>

GroupFrame::GroupFrame(int x, int y, int w, int h, DesktopFont font)
    : Fl_Widget(x, y, w, h), font_(font) {
    box(FL_NO_BOX);
}

void GroupFrame::draw() {
    const int half = font_.size / 2;
    fl_draw_box(FL_ENGRAVED_FRAME, x(), y() + half, w(), h() - half, color());
    if (label() == nullptr || *label() == '\0') return;
    fl_font(font_.face, font_.size);
    int tw = 0;
    int th = 0;
    fl_measure(label(), tw, th, 0);
    const int inset = font_.size / 2;
    // The caption interrupts the frame line, on the window's background.
    fl_rectf(x() + inset, y(), tw + 4, th, parent() != nullptr ? parent()->color() : color());
    fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
    fl_draw(label(), x() + inset + 2, y(), tw, th, FL_ALIGN_LEFT, nullptr, 0);
}
