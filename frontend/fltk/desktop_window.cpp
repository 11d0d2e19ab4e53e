#include "frontend/fltk/desktop_window.h"

#include <FL/Fl.H>

#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

DesktopWindow::DesktopWindow(int w, int h, HWND model, InputSink& sink)
    : Fl_Double_Window(w, h), model_(model), sink_(sink) {
    callback(&DesktopWindow::OnClose, this);
}

int DesktopWindow::handle(int event) {
    if (Fl_Double_Window::handle(event)) return 1;
    const bool enter = Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
    if (event != FL_SHORTCUT || !enter) return 0;
    // Not taken by the focused widget: the dialog's default action.
    Window* window = WindowManager::Instance().FromHandle(model_);
    if (window == nullptr) return 1;
    const HWND model = model_;
    InputSink& sink = sink_;
    PressEnter(*window);
    sink.InputDelivered(model);
    return 1;
}

void DesktopWindow::OnClose(Fl_Widget*, void* self) { static_cast<DesktopWindow*>(self)->Close(); }

void DesktopWindow::Close() {
    Window* window = WindowManager::Instance().FromHandle(model_);
    if (window == nullptr) return;
    const HWND model = model_;
    InputSink& sink = sink_;
    const bool escape = Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape;
    if (!escape && (window->GetExStyle() & WS_EX_CAPTIONOKBTN) != 0) {
        CloseWindow(*window);
    } else {
        PressEscape(*window);
    }
    sink.InputDelivered(model);
}
