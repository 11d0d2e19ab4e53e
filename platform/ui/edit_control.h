// An edit control: single- or multi-line, read-only, upper-case, with a text limit for typing.
//
// Lines of a multi-line edit are separated by CR LF; the model keeps no word wrap. Setting the
// text scrolls back to the first line; LineScroll moves the first visible line, which can go
// no further than where the last line is at the bottom of the control (at least line 0).
// Upper-case converts set and typed text; the limit applies to typing only.
#pragma once

#include "platform/ui/window.h"

class EditControl : public Window {
  public:
    int GetFirstVisibleLine() const;
    void LineScroll(int lines, int chars = 0);
    int GetLineCount() const;
    // Lines the control shows at once (its height over the font height, at least 1).
    int VisibleLineCount() const;
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    // 0 restores the default limit.
    void SetLimitText(UINT limit);
    UINT GetLimitText() const { return limit_; }
    // What typing does: replaces the text (refused when read-only or disabled), applies the
    // case style and the limit, then EN_CHANGE to the parent. False when refused.
    bool Type(const std::string& text);

    ControlKind Kind() const override { return ControlKind::Edit; }
    ControlState Describe() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakeOver(Window& native) override;

    static constexpr UINT kDefaultLimit = 30000;

  private:
    std::string ApplyCase(const std::string& text) const;
    void ScrollTo(int line);

    int firstLine_ = 0;
    UINT limit_ = kDefaultLimit;
};
