#include "frontend/fltk/multi_line_edit.h"

#include <FL/Fl.H>

#include <cstdlib>

MultiLineEdit::MultiLineEdit(int x, int y, int w, int h, DesktopFont font, bool readOnly)
    : Fl_Text_Editor(x, y, w, h), text_(new Fl_Text_Buffer), readOnly_(readOnly) {
    buffer(text_);
    textfont(font.face);
    textsize(font.size);
    text_->add_modify_callback(&MultiLineEdit::Modified, this);
    mVScrollBar->callback(&MultiLineEdit::VerticalScrolled, this);
    if (readOnly) {
        color(FL_BACKGROUND_COLOR);
        cursor_style(DIM_CURSOR);
    }
}

MultiLineEdit::~MultiLineEdit() {
    text_->remove_modify_callback(&MultiLineEdit::Modified, this);
    buffer(static_cast<Fl_Text_Buffer*>(nullptr));
    delete text_;
}

std::string MultiLineEdit::Text() const {
    char* text = text_->text();
    std::string result = text != nullptr ? text : "";
    std::free(text);
    return result;
}

void MultiLineEdit::SetText(const std::string& text) {
    if (text == Text()) return;
    settingText_ = true;
    text_->text(text.c_str());
    settingText_ = false;
}

void MultiLineEdit::ScrollToLine(int first) {
    scroll(first + 1, 0);
    reportedTop_ = FirstVisibleLine();
}

void MultiLineEdit::VerticalScrolled(Fl_Widget* bar, void* self) {
    auto* edit = static_cast<MultiLineEdit*>(self);
    v_scrollbar_cb(static_cast<Fl_Scrollbar*>(bar), edit);
    edit->ReportScroll();
}

void MultiLineEdit::ReportScroll() {
    if (FirstVisibleLine() == reportedTop_) return;
    reportedTop_ = FirstVisibleLine();
    if (onScroll_) onScroll_(reportedTop_);
}

void MultiLineEdit::Modified(int, int inserted, int deleted, int, const char*, void* self) {
    auto* edit = static_cast<MultiLineEdit*>(self);
    if (edit->settingText_ || (inserted == 0 && deleted == 0)) return;
    edit->do_callback();
}

bool MultiLineEdit::ReadOnlyAllows(int event) const {
    if (event == FL_PASTE || event == FL_DND_ENTER || event == FL_DND_DRAG ||
        event == FL_DND_RELEASE) {
        return false;
    }
    if (event != FL_KEYBOARD) return true;
    const int key = Fl::event_key();
    const bool moves = key == FL_Left || key == FL_Right || key == FL_Up || key == FL_Down ||
                       key == FL_Page_Up || key == FL_Page_Down || key == FL_Home || key == FL_End;
    const bool copies = Fl::event_state(FL_CTRL) && (key == 'c' || key == 'a');
    return moves || copies;
}

int MultiLineEdit::handle(int event) {
    if (readOnly_ && !ReadOnlyAllows(event)) return 0;
    const int handled = Fl_Text_Editor::handle(event);
    ReportScroll();
    return handled;
}
