#include "platform/ui/button.h"

#include <algorithm>

std::vector<Button*> RadioGroupFrom(Window& first) {
    std::vector<Button*> group;
    Window* parent = first.GetParent();
    if (parent == nullptr) return group;
    const std::vector<Window*>& siblings = parent->Children();
    auto it = std::find(siblings.begin(), siblings.end(), &first);
    for (; it != siblings.end(); ++it) {
        if (it != siblings.begin() && *it != &first && ((*it)->GetStyle() & WS_GROUP) != 0) break;
        auto* button = dynamic_cast<Button*>(*it);
        if (button != nullptr && button->Kind() == ControlKind::RadioButton)
            group.push_back(button);
    }
    return group;
}

void Button::SetCheck(int check) {
    if (check_ == check) return;
    check_ = check;
    NotifyChanged();
}

void Button::Click() {
    if (!IsWindowEnabled() || Kind() == ControlKind::GroupBox) return;
    if (ButtonType() == BS_AUTOCHECKBOX)
        SetCheck(check_ == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
    if (ButtonType() == BS_AUTORADIOBUTTON) {
        SetCheck(BST_CHECKED);
        ClearOtherRadiosInGroup();
    }
    if (Window* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                            static_cast<LPARAM>(Handle()));
    }
}

void Button::ClearOtherRadiosInGroup() {
    Window* parent = GetParent();
    if (parent == nullptr) return;
    // The group starts at the nearest control with WS_GROUP at or before this one.
    const std::vector<Window*>& siblings = parent->Children();
    auto self = std::find(siblings.begin(), siblings.end(), this);
    if (self == siblings.end()) return;
    auto start = self;
    while (start != siblings.begin() && ((*start)->GetStyle() & WS_GROUP) == 0) --start;
    for (Button* button : RadioGroupFrom(**start)) {
        if (button != this) button->SetCheck(BST_UNCHECKED);
    }
}

ControlKind Button::Kind() const {
    switch (ButtonType()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return ControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::RadioButton;
        case BS_GROUPBOX:
            return ControlKind::GroupBox;
        default:
            return ControlKind::PushButton;
    }
}

ControlState Button::Describe() const {
    ControlState state = Window::Describe();
    state.checked = check_;
    return state;
}

LRESULT Button::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK:
            return check_;
        case BM_SETCHECK:
            SetCheck(static_cast<int>(wParam));
            return 0;
        case BM_CLICK:
            Click();
            return 0;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool Button::TakeOver(Window& native) {
    auto* button = dynamic_cast<Button*>(&native);
    if (button == nullptr || !CanTakeOver(native)) return false;
    check_ = button->check_;
    return Window::TakeOver(native);
}
