// A multi-line edit: a text editor with its own buffer. Read-only ones scroll and select but
// take no typing. Changes the user makes are reported through the widget's callback; changes
// made with SetText are not; scrolling by the user (scroll bar, wheel, keys) is reported to the
// scroll handler with the new first visible line.
#pragma once

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>

#include <functional>
#include <string>

#include "frontend/fltk/widget_geometry.h"

class MultiLineEdit : public Fl_Text_Editor {
  public:
    MultiLineEdit(int x, int y, int w, int h, DesktopFont font, bool readOnly);
    ~MultiLineEdit() override;
    MultiLineEdit(const MultiLineEdit&) = delete;
    MultiLineEdit& operator=(const MultiLineEdit&) = delete;

    std::string Text() const;
    void SetText(const std::string& text);
    // Puts line `first` (0-based) at the top.
    void ScrollToLine(int first);
    int FirstVisibleLine() const { return mTopLineNum - 1; }
    void SetScrollHandler(std::function<void(int first)> handler) {
        onScroll_ = std::move(handler);
    }

    int handle(int event) override;

  private:
    static void Modified(int position, int inserted, int deleted, int restyled,
                         const char* deletedText, void* self);
    bool ReadOnlyAllows(int event) const;
    static void VerticalScrolled(Fl_Widget* bar, void* self);
    void ReportScroll();

    Fl_Text_Buffer* text_;
    bool readOnly_;
    bool settingText_ = false;
    int reportedTop_ = 0;
    std::function<void(int first)> onScroll_;
};
