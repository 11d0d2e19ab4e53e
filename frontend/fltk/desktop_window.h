// The desktop window of a top-level model window. The keys and the caption's close button
// act as on the handheld: Enter is IDOK, Escape IDCANCEL, and the close button is the
// caption OK button (IDOK) of a window that has one, IDCANCEL otherwise.
#pragma once

#include <FL/Fl_Double_Window.H>

#include "frontend/fltk/input_sink.h"

class DesktopWindow : public Fl_Double_Window {
  public:
    DesktopWindow(int w, int h, HWND model, InputSink& sink);

    HWND Model() const { return model_; }
    int handle(int event) override;

  private:
    static void OnClose(Fl_Widget* widget, void* self);
    void Close();

    HWND model_;
    InputSink& sink_;
};
