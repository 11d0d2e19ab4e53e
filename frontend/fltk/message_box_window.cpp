#include "frontend/fltk/message_box_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "frontend/fltk/text_mapping.h"
#include "frontend/fltk/widget_geometry.h"

namespace {

// Model pixels (magnified by the geometry's scale).
constexpr int kMargin = 10;
constexpr int kMaxTextWidth = 200;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 20;

}  // namespace

MessageBoxWindow::MessageBoxWindow(const std::string& text, const std::string& caption, UINT type,
                                   const WidgetGeometry& geometry)
    : text_(EscapeLabel(text)), hasCancel_((type & 0xF) == kOkCancel) {
    const DesktopFont font = geometry.Font("System", 8);
    const int margin = geometry.Length(kMargin);
    const int buttonW = geometry.Length(kButtonWidth);
    const int buttonH = geometry.Length(kButtonHeight);
    fl_font(font.face, font.size);
    int textW = geometry.Length(kMaxTextWidth);
    int textH = 0;
    fl_measure(text_.c_str(), textW, textH, 0);
    const int buttons = hasCancel_ ? 2 : 1;
    const int buttonsW = buttons * buttonW + (buttons - 1) * margin;
    const int width = std::max(textW, buttonsW) + 2 * margin;
    const int height = textH + buttonH + 3 * margin;

    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    window_ = new Fl_Window(width, height);
    window_->copy_label(caption.empty() ? "Error" : caption.c_str());
    auto* label = new Fl_Box(margin, margin, width - 2 * margin, textH);
    label->label(text_.c_str());
    label->labelfont(font.face);
    label->labelsize(font.size);
    label->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT | FL_ALIGN_WRAP);
    int x = (width - buttonsW) / 2;
    const int y = height - margin - buttonH;
    auto* ok = new Fl_Return_Button(x, y, buttonW, buttonH, "OK");
    ok->labelsize(font.size);
    ok->callback(&MessageBoxWindow::OnOk, this);
    if (hasCancel_) {
        x += buttonW + margin;
        auto* cancel = new Fl_Button(x, y, buttonW, buttonH, "Cancel");
        cancel->labelsize(font.size);
        cancel->shortcut(FL_Escape);
        cancel->callback(&MessageBoxWindow::OnCancel, this);
    }
    window_->end();
    Fl_Group::current(current);
    window_->callback(&MessageBoxWindow::OnClose, this);
    window_->set_modal();
    window_->position(std::max(0, (Fl::w() - width) / 2), std::max(0, (Fl::h() - height) / 2));
}

MessageBoxWindow::~MessageBoxWindow() {
    window_->hide();
    Fl::delete_widget(window_);
}

void MessageBoxWindow::Show() { window_->show(); }

void MessageBoxWindow::OnOk(Fl_Widget*, void* self) {
    static_cast<MessageBoxWindow*>(self)->Answer(IDOK);
}

void MessageBoxWindow::OnCancel(Fl_Widget*, void* self) {
    static_cast<MessageBoxWindow*>(self)->Answer(IDCANCEL);
}

void MessageBoxWindow::OnClose(Fl_Widget*, void* self) {
    auto* box = static_cast<MessageBoxWindow*>(self);
    box->Answer(box->hasCancel_ ? IDCANCEL : IDOK);
}

void MessageBoxWindow::Answer(int result) {
    result_ = result;
    window_->hide();
}
