// A progress bar with a 16-bit range (PBM_SETRANGE packs lower and upper into the low and high
// words of lParam) or a 32-bit one (PBM_SETRANGE32), and a position kept within the range.
// A change of position invalidates the control, so its painting (OnPaint of a class derived
// from this one) runs at the next turn of the message loop.
#pragma once

#include "platform/ui/window.h"

class ProgressBar : public Window {
  public:
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);
    int GetPos() const;

    ControlKind Kind() const override { return ControlKind::ProgressBar; }
    ControlState Describe() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool TakeOver(Window& native) override;

  private:
    LRESULT ApplyRange(int lower, int upper);
    LRESULT ApplyPos(int position);

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};
