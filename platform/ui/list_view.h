// A list view in report or list mode: columns with header text, width and alignment; rows of
// cells (cell 0 is the item text); one selected row; an extended style.
//
// Automatic column width measures texts with the system font's average character width
// (TextWidth) plus kCellPadding: LVSCW_AUTOSIZE fits the cells, LVSCW_AUTOSIZE_USEHEADER the
// wider of the header and the cells, and for the last column at least the remaining width of
// the control. A column inserted without a width is 0 wide.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/window.h"

class ListView : public Window {
  public:
    struct Column {
        std::string text;
        int format = LVCFMT_LEFT;
        int width = 0;
    };

    DWORD SetExtendedStyle(DWORD exStyle, DWORD mask = 0xFFFFFFFFu);
    DWORD GetExtendedStyle() const { return extendedStyle_; }
    // Returns the column's index or -1. A negative width means "none given".
    int InsertColumn(int index, const std::string& text, int format = LVCFMT_LEFT, int width = -1);
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    const Column* GetColumn(int index) const;
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    // Inserts a row at `index` (clamped to the end); returns its index or -1.
    int InsertItem(int index, const std::string& text);
    bool SetItemText(int item, int subItem, const std::string& text);
    std::string GetItemText(int item, int subItem) const;
    bool DeleteItem(int item);
    bool DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(rows_.size()); }
    int GetSelectedItem() const { return selection_; }
    // Selection without notification (-1 clears).
    bool SetSelectedItem(int item);
    // What the user's tap does: selection, then LVN_ITEMCHANGED to the parent.
    bool Select(int item);
    // What the user's double tap does: selection, then NM_DBLCLK (NMITEMACTIVATE) to the parent.
    bool DoubleClick(int item);

    ControlKind Kind() const override { return ControlKind::ListView; }
    ControlState Describe() const override;
    bool TakeOver(Window& native) override;

    static constexpr int kCellPadding = 12;

  private:
    int FittedWidth(int column, bool withHeader) const;
    LRESULT Notify(int code, int item);

    DWORD extendedStyle_ = 0;
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
    int selection_ = -1;
};
