#include "platform/ui/list_view.h"

#include <algorithm>

DWORD ListView::SetExtendedStyle(DWORD exStyle, DWORD mask) {
    if (mask == 0) mask = 0xFFFFFFFFu;
    DWORD previous = extendedStyle_;
    extendedStyle_ = (previous & ~mask) | (exStyle & mask);
    if (extendedStyle_ != previous) NotifyChanged();
    return previous;
}

int ListView::InsertColumn(int index, const std::string& text, int format, int width) {
    if (index < 0) return -1;
    index = std::min(index, GetColumnCount());
    columns_.insert(columns_.begin() + index, Column{text, format, std::max(width, 0)});
    for (auto& row : rows_) {
        if (index > 0 && static_cast<std::size_t>(index) < row.size())
            row.insert(row.begin() + index, std::string());
    }
    NotifyChanged();
    return index;
}

const ListView::Column* ListView::GetColumn(int index) const {
    if (index < 0 || index >= GetColumnCount()) return nullptr;
    return &columns_[static_cast<std::size_t>(index)];
}

int ListView::FittedWidth(int column, bool withHeader) const {
    int width = 0;
    if (withHeader) width = TextWidth(columns_[static_cast<std::size_t>(column)].text);
    for (const auto& row : rows_) {
        if (static_cast<std::size_t>(column) < row.size())
            width = std::max(width, TextWidth(row[static_cast<std::size_t>(column)]));
    }
    return width + kCellPadding;
}

bool ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return false;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        bool withHeader = width == LVSCW_AUTOSIZE_USEHEADER;
        width = FittedWidth(column, withHeader);
        if (withHeader && column == GetColumnCount() - 1) {
            // The last column takes at least the rest of the control's width.
            int others = 0;
            for (int i = 0; i < column; ++i) others += columns_[static_cast<std::size_t>(i)].width;
            width = std::max(width, static_cast<int>(PixelRect().Width()) - others);
        }
    } else if (width < 0) {
        return false;
    }
    columns_[static_cast<std::size_t>(column)].width = width;
    NotifyChanged();
    return true;
}

int ListView::GetColumnWidth(int column) const {
    const Column* c = GetColumn(column);
    return c != nullptr ? c->width : 0;
}

int ListView::InsertItem(int index, const std::string& text) {
    if (index < 0) return -1;
    index = std::min(index, GetItemCount());
    rows_.insert(rows_.begin() + index, std::vector<std::string>{text});
    if (selection_ >= index) ++selection_;
    NotifyChanged();
    return index;
}

bool ListView::SetItemText(int item, int subItem, const std::string& text) {
    if (item < 0 || item >= GetItemCount() || subItem < 0 ||
        subItem >= std::max(1, GetColumnCount())) {
        return false;
    }
    auto& row = rows_[static_cast<std::size_t>(item)];
    if (row.size() <= static_cast<std::size_t>(subItem)) row.resize(subItem + 1);
    row[static_cast<std::size_t>(subItem)] = text;
    NotifyChanged();
    return true;
}

std::string ListView::GetItemText(int item, int subItem) const {
    if (item < 0 || item >= GetItemCount() || subItem < 0) return std::string();
    const auto& row = rows_[static_cast<std::size_t>(item)];
    return static_cast<std::size_t>(subItem) < row.size() ? row[static_cast<std::size_t>(subItem)]
                                                          : std::string();
}

bool ListView::DeleteItem(int item) {
    if (item < 0 || item >= GetItemCount()) return false;
    rows_.erase(rows_.begin() + item);
    if (selection_ == item) {
        selection_ = -1;
    } else if (selection_ > item) {
        --selection_;
    }
    NotifyChanged();
    return true;
}

bool ListView::DeleteAllItems() {
    rows_.clear();
    selection_ = -1;
    NotifyChanged();
    return true;
}

bool ListView::SetSelectedItem(int item) {
    if (item < -1 || item >= GetItemCount()) return false;
    if (selection_ != item) {
        selection_ = item;
        NotifyChanged();
    }
    return true;
}

bool ListView::Select(int item) {
    if (Handle() == 0 || !IsWindowEnabled() || item < 0 || !SetSelectedItem(item)) return false;
    Notify(LVN_ITEMCHANGED, item);
    return true;
}

bool ListView::DoubleClick(int item) {
    if (Handle() == 0 || !IsWindowEnabled()) return false;
    if (item != -1 && !SetSelectedItem(item)) return false;
    Notify(NM_DBLCLK, item);
    return true;
}

LRESULT ListView::Notify(int code, int item) {
    Window* parent = GetParent();
    if (parent == nullptr) return 0;
    NMITEMACTIVATE notice;
    notice.hdr.hwndFrom = Handle();
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notice.hdr.code = static_cast<UINT>(code);
    notice.iItem = item;
    return parent->SendMessage(WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

ControlState ListView::Describe() const {
    ControlState state = Window::Describe();
    std::size_t cells = std::max<std::size_t>(1, columns_.size());
    for (const Column& column : columns_) {
        state.columns.push_back(column.text);
        state.columnWidths.push_back(column.width);
    }
    for (auto row : rows_) {
        row.resize(std::max(cells, row.size()));
        state.rows.push_back(std::move(row));
    }
    state.selection = selection_;
    return state;
}

bool ListView::TakeOver(Window& native) {
    auto* list = dynamic_cast<ListView*>(&native);
    if (list == nullptr || !CanTakeOver(native)) return false;
    extendedStyle_ = list->extendedStyle_;
    columns_ = list->columns_;
    rows_ = list->rows_;
    selection_ = list->selection_;
    return Window::TakeOver(native);
}
