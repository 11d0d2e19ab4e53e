// A message box on the desktop: the text, an OK button (and Cancel for MB_OKCANCEL), modal
// over the application's windows. The host runs its loop until it is answered.
#pragma once

#include <FL/Fl_Window.H>

#include <memory>
#include <string>

#include "frontend/fltk/widget_geometry.h"
#include "platform/core/message_box.h"

class MessageBoxWindow {
  public:
    MessageBoxWindow(const std::string& text, const std::string& caption, UINT type,
                     const WidgetGeometry& geometry);
    ~MessageBoxWindow();
    MessageBoxWindow(const MessageBoxWindow&) = delete;
    MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

    void Show();
    bool Answered() const { return result_ != 0; }
    // The button pressed; unanswered, the harmless one (Cancel when there is one).
    int Result() const { return result_ != 0 ? result_ : hasCancel_ ? IDCANCEL : IDOK; }
    Fl_Window& Desktop() { return *window_; }
    // Answers as the button `result` would.
    void Answer(int result);

    // MB_OKCANCEL: the box type with OK and Cancel buttons.
    static constexpr UINT kOkCancel = 0x1;

  private:
    static void OnOk(Fl_Widget* widget, void* self);
    static void OnCancel(Fl_Widget* widget, void* self);
    static void OnClose(Fl_Widget* widget, void* self);

    Fl_Window* window_ = nullptr;
    std::string text_;
    bool hasCancel_;
    int result_ = 0;
};
