#include "platform/ui/combo_box.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Case-insensitive (ASCII) ordering of the sorted list.
bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return !LessNoCase(a, b) && !LessNoCase(b, a);
}

}  // namespace

int ComboBox::AddString(const std::string& text) {
    int index = GetCount();
    if (Sorted()) {
        index = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), text, LessNoCase) -
                                 items_.begin());
    }
    return InsertString(index, text);
}

int ComboBox::InsertString(int index, const std::string& text) {
    if (index == -1) index = GetCount();
    if (index < 0 || index > GetCount()) return static_cast<int>(CB_ERR);
    items_.insert(items_.begin() + index, text);
    if (selection_ >= index) ++selection_;
    NotifyChanged();
    return index;
}

int ComboBox::DeleteString(int index) {
    if (index < 0 || index >= GetCount()) return static_cast<int>(CB_ERR);
    items_.erase(items_.begin() + index);
    if (selection_ == index) {
        selection_ = -1;
    } else if (selection_ > index) {
        --selection_;
    }
    SyncText();
    return GetCount();
}

void ComboBox::ResetContent() {
    items_.clear();
    selection_ = -1;
    SyncText();
}

int ComboBox::SetCurSel(int index) {
    bool valid = index >= 0 && index < GetCount();
    selection_ = valid ? index : -1;
    SyncText();
    return valid ? index : static_cast<int>(CB_ERR);
}

bool ComboBox::GetLBText(int index, std::string& text) const {
    if (index < 0 || index >= GetCount()) {
        text.clear();
        return false;
    }
    text = items_[static_cast<std::size_t>(index)];
    return true;
}

bool ComboBox::Select(int index) {
    if (Handle() == 0 || !IsWindowEnabled() || index < 0 || index >= GetCount()) return false;
    SetCurSel(index);
    if (Window* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND,
                            MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), CBN_SELCHANGE),
                            static_cast<LPARAM>(Handle()));
    }
    return true;
}

void ComboBox::SyncText() {
    SetTextRaw(selection_ >= 0 ? items_[static_cast<std::size_t>(selection_)] : std::string());
    NotifyChanged();
}

ControlState ComboBox::Describe() const {
    ControlState state = Window::Describe();
    state.items = items_;
    state.selection = selection_;
    return state;
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    const int index = static_cast<int>(wParam);
    switch (message) {
        case CB_ADDSTRING:
            return AddString(text != nullptr ? text : "");
        case CB_INSERTSTRING:
            return InsertString(index, text != nullptr ? text : "");
        case CB_DELETESTRING:
            return DeleteString(index);
        case CB_RESETCONTENT:
            ResetContent();
            return 0;
        case CB_GETCOUNT:
            return GetCount();
        case CB_GETCURSEL:
            return selection_;
        case CB_SETCURSEL:
            return SetCurSel(index);
        case CB_GETLBTEXTLEN:
            if (index < 0 || index >= GetCount()) return CB_ERR;
            return static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].size());
        case CB_GETLBTEXT: {
            // The caller sizes the buffer from CB_GETLBTEXTLEN, as on the OS.
            char* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || index < 0 || index >= GetCount()) return CB_ERR;
            const std::string& item = items_[static_cast<std::size_t>(index)];
            std::memcpy(buffer, item.c_str(), item.size() + 1);
            return static_cast<LRESULT>(item.size());
        }
        case WM_SETTEXT: {
            // A drop-down list shows only its entries: the text selects the matching one.
            auto it = std::find_if(items_.begin(), items_.end(), [&](const std::string& item) {
                return EqualNoCase(item, text != nullptr ? text : "");
            });
            if (it == items_.end()) return CB_ERR;
            SetCurSel(static_cast<int>(it - items_.begin()));
            return TRUE;
        }
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool ComboBox::TakeOver(Window& native) {
    auto* combo = dynamic_cast<ComboBox*>(&native);
    if (combo == nullptr || !CanTakeOver(native)) return false;
    items_ = combo->items_;
    selection_ = combo->selection_;
    return Window::TakeOver(native);
}
