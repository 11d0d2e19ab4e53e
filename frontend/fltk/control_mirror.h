// The desktop widget of one model window inside a top-level window: a stock widget for each
// control kind, the surface for a control that paints itself, a group for a page and a group
// with a tab strip for a property sheet.
//
// The mirror shows what the model says (Refresh) and feeds what the user does back into the
// model through ui_input.h, which updates the control state and sends the notification the
// OS would send.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include "frontend/fltk/input_sink.h"
#include "frontend/fltk/widget_geometry.h"
#include "platform/ui/window.h"

class TabStrip;

struct MirrorContext {
    const WidgetGeometry* geometry = nullptr;
    DesktopFont font;
    InputSink* sink = nullptr;
};

class ControlMirror {
  public:
    // Creates the widget in the toolkit's current group, at `box`, showing the model's state.
    ControlMirror(Window& window, const WidgetBox& box, const MirrorContext& context);
    ControlMirror(const ControlMirror&) = delete;
    ControlMirror& operator=(const ControlMirror&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // Pages and sheets hold the widgets of their child windows.
    Fl_Group* Container() const { return container_; }
    const WidgetBox& Box() const { return box_; }
    Fl_Widget* Widget() const { return widget_; }

    // Shows the model's current state; nothing when the window has gone.
    void Refresh();
    // A control that a later sibling page or sheet covers completely cannot be seen or tapped
    // on the OS: its widget is hidden while it is covered.
    void SetCovered(bool covered);

    // What decides the kind of widget: when it changes, the widget has to be made anew.
    static unsigned Shape(const Window& window);

  private:
    Fl_Widget* MakeWidget(const ControlState& state);
    Fl_Widget* MakeEdit(const ControlState& state);
    Fl_Widget* MakeContainer(const ControlState& state);
    void Update(const ControlState& state);
    void UpdateContent(const ControlState& state);
    void UpdateEdit(const ControlState& state);
    void SetLabel(const std::string& text);
    void ApplyVisibility();

    static void OnWidget(Fl_Widget* widget, void* self);
    void Deliver(Fl_Widget* widget);
    // The user scrolled a multi-line edit: the model's first visible line follows.
    void DeliverScroll(int first);

    HWND hwnd_;
    ControlKind kind_;
    bool painted_;
    bool multiLine_;
    WidgetBox box_;
    MirrorContext context_;
    Fl_Widget* widget_ = nullptr;
    Fl_Group* container_ = nullptr;
    TabStrip* tabs_ = nullptr;
    bool updating_ = false;
    bool visible_ = true;
    bool covered_ = false;
};
