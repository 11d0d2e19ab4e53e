#include "platform/ui/edit_control.h"

#include <algorithm>
#include <cctype>

namespace {

// Cuts UTF-8 text after `limit` characters.
std::string TruncateCharacters(const std::string& text, UINT limit) {
    UINT characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == limit) return text.substr(0, i);
    }
    return text;
}

}  // namespace

int EditControl::GetFirstVisibleLine() const { return firstLine_; }

void EditControl::LineScroll(int lines, int chars) {
    SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines);
}

int EditControl::GetLineCount() const {
    if ((GetStyle() & ES_MULTILINE) == 0) return 1;
    const std::string& text = TextRaw();
    int lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

int EditControl::VisibleLineCount() const {
    return std::max(1, static_cast<int>(PixelRect().Height()) / kSystemFontHeight);
}

void EditControl::SetReadOnly(bool readOnly) {
    SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void EditControl::SetLimitText(UINT limit) { SendMessage(EM_LIMITTEXT, limit, 0); }

bool EditControl::Type(const std::string& text) {
    if (Handle() == 0 || !IsWindowEnabled() || IsReadOnly()) return false;
    SetTextRaw(TruncateCharacters(ApplyCase(text), limit_));
    ScrollTo(firstLine_);
    NotifyChanged();
    if (Window* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), EN_CHANGE),
                            static_cast<LPARAM>(Handle()));
    }
    return true;
}

std::string EditControl::ApplyCase(const std::string& text) const {
    std::string result = text;
    if ((GetStyle() & ES_UPPERCASE) != 0) {
        for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if ((GetStyle() & ES_LOWERCASE) != 0) {
        for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

void EditControl::ScrollTo(int line) {
    int last = std::max(0, GetLineCount() - VisibleLineCount());
    int first = std::clamp(line, 0, last);
    if (first == firstLine_) return;
    firstLine_ = first;
    NotifyChanged();
}

ControlState EditControl::Describe() const {
    ControlState state = Window::Describe();
    state.firstVisibleLine = firstLine_;
    return state;
}

LRESULT EditControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            // Assigned in place (no copy of the text) unless a case style changes it.
            SetTextRaw(text != nullptr ? text : "");
            if ((GetStyle() & (ES_UPPERCASE | ES_LOWERCASE)) != 0) SetTextRaw(ApplyCase(TextRaw()));
            firstLine_ = 0;
            NotifyChanged();
            // Setting the text notifies the parent as a change, as typing does.
            if (Window* parent = GetParent()) {
                parent->SendMessage(WM_COMMAND,
                                    MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), EN_CHANGE),
                                    static_cast<LPARAM>(Handle()));
            }
            return TRUE;
        }
        case EM_GETFIRSTVISIBLELINE:
            return firstLine_;
        case EM_GETLINECOUNT:
            return GetLineCount();
        case EM_LINESCROLL:
            if ((GetStyle() & ES_MULTILINE) == 0) return FALSE;
            ScrollTo(firstLine_ + static_cast<int>(lParam));
            return TRUE;
        case EM_LIMITTEXT:
            limit_ = wParam != 0 ? static_cast<UINT>(wParam) : kDefaultLimit;
            return 0;
        case EM_SETREADONLY:
            ModifyStyle(wParam != 0 ? 0 : ES_READONLY, wParam != 0 ? ES_READONLY : 0);
            return TRUE;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool EditControl::TakeOver(Window& native) {
    auto* edit = dynamic_cast<EditControl*>(&native);
    if (edit == nullptr || !CanTakeOver(native)) return false;
    firstLine_ = edit->firstLine_;
    limit_ = edit->limit_;
    return Window::TakeOver(native);
}
