// A drop-down list combo box, sorted (CBS_SORT) or in insertion order.
//
// Sorted insertion compares without regard to case (ASCII letters) and puts a new entry after
// equal ones. CB_SETCURSEL changes the selection silently; CBN_SELCHANGE goes to the parent
// only when the user selects (Select). The window text is the selected entry.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/window.h"

class ComboBox : public Window {
  public:
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetCurSel() const { return selection_; }
    int SetCurSel(int index);
    // The entry's text; false (text emptied) for a bad index.
    bool GetLBText(int index, std::string& text) const;
    const std::vector<std::string>& Items() const { return items_; }
    // What the user's choice does: selection, then CBN_SELCHANGE to the parent. False for a
    // bad index or a disabled control.
    bool Select(int index);

    ControlKind Kind() const override { return ControlKind::ComboBox; }
    ControlState Describe() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakeOver(Window& native) override;

  private:
    bool Sorted() const { return (GetStyle() & CBS_SORT) != 0; }
    void SyncText();

    std::vector<std::string> items_;
    int selection_ = -1;
};
