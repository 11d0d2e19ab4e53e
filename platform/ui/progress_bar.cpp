#include "platform/ui/progress_bar.h"

#include <algorithm>

void ProgressBar::SetRange(short lower, short upper) {
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(lower), static_cast<WORD>(upper)));
}

void ProgressBar::SetRange32(int lower, int upper) {
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void ProgressBar::GetRange(int& lower, int& upper) const {
    lower = lower_;
    upper = upper_;
}

int ProgressBar::SetPos(int position) {
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position), 0));
}

int ProgressBar::GetPos() const { return position_; }

LRESULT ProgressBar::ApplyRange(int lower, int upper) {
    LRESULT previous = MAKELPARAM(static_cast<WORD>(lower_), static_cast<WORD>(upper_));
    if (lower == lower_ && upper == upper_) return previous;
    lower_ = lower;
    upper_ = upper;
    position_ = std::clamp(position_, std::min(lower_, upper_), std::max(lower_, upper_));
    Invalidate();
    NotifyChanged();
    return previous;
}

LRESULT ProgressBar::ApplyPos(int position) {
    int previous = position_;
    position = std::clamp(position, std::min(lower_, upper_), std::max(lower_, upper_));
    if (position != position_) {
        position_ = position;
        Invalidate();
        NotifyChanged();
    }
    return previous;
}

ControlState ProgressBar::Describe() const {
    ControlState state = Window::Describe();
    state.rangeLower = lower_;
    state.rangeUpper = upper_;
    state.position = position_;
    return state;
}

LRESULT ProgressBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case PBM_SETRANGE:
            // The 16-bit range: two unsigned words.
            return ApplyRange(LOWORD(static_cast<std::uintptr_t>(lParam)),
                              HIWORD(static_cast<std::uintptr_t>(lParam)));
        case PBM_SETRANGE32:
            return ApplyRange(static_cast<int>(wParam), static_cast<int>(lParam));
        case PBM_SETPOS:
            return ApplyPos(static_cast<int>(wParam));
        case PBM_DELTAPOS:
            return ApplyPos(position_ + static_cast<int>(wParam));
        case PBM_GETPOS:
            return position_;
        case PBM_GETRANGE:
            return wParam != 0 ? lower_ : upper_;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool ProgressBar::TakeOver(Window& native) {
    auto* bar = dynamic_cast<ProgressBar*>(&native);
    if (bar == nullptr || !CanTakeOver(native)) return false;
    lower_ = bar->lower_;
    upper_ = bar->upper_;
    position_ = bar->position_;
    return Window::TakeOver(native);
}
