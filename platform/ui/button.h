// Buttons: push button, auto check box, auto radio button and group box, by style.
//
// A click (BM_CLICK, or a front end's tap) on an auto check box toggles it and on an auto
// radio button checks it and clears the other radio buttons of its group (the group starts at
// the nearest control with WS_GROUP at or before it and ends before the next one); then the
// parent receives WM_COMMAND with BN_CLICKED. BM_SETCHECK changes only the button itself.
#pragma once

#include <vector>

#include "platform/ui/window.h"

class Button : public Window {
  public:
    int GetCheck() const { return check_; }
    void SetCheck(int check);
    // What a tap does: state change of auto buttons, then BN_CLICKED to the parent. Nothing
    // for a disabled button or a group box.
    void Click();

    ControlKind Kind() const override;
    ControlState Describe() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakeOver(Window& native) override;

  private:
    DWORD ButtonType() const { return GetStyle() & BS_TYPEMASK; }
    void ClearOtherRadiosInGroup();

    int check_ = BST_UNCHECKED;
};

// The radio buttons of the group that starts at `first`: `first` and the controls after it up
// to the next control with WS_GROUP, radio buttons only, in order.
std::vector<Button*> RadioGroupFrom(Window& first);
