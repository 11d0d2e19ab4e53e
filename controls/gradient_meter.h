// A progress bar that paints itself: the filled part is a horizontal colour gradient laid out
// over the whole width, the rest a plain background, and an optional centred text shows the
// position as a whole percentage of the upper bound.
//
// The meter takes over a dialog's progress-bar control (DataExchange::Control) and keeps its
// own range and position; SetRange and SetPos also pass them on to the underlying control.
// The meter repaints whenever its own range or position changes: the underlying control
// clamps and may already hold the value, so its own invalidation is not enough.
#pragma once

#include "platform/ui/progress_bar.h"

class DeviceContext;

class GradientMeter : public ProgressBar {
  public:
    GradientMeter();

    // Lower and upper bound; the position goes back to the lower bound. The underlying
    // control gets PBM_SETRANGE (each bound truncated to 16 bits).
    void SetRange(int lower, int upper);
    // Not clamped: a position outside the range paints the control in the button-face colour.
    void SetPos(int position);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const { return position_; }
    // Shows the meter's own range and position (unclamped), which is what it paints.
    ControlState Describe() const override;

    // Set by the owner before the first paint. Colours are 0x00BBGGRR.
    COLORREF startColor = 0x000000FF;
    COLORREF endColor = 0x00FF0000;
    COLORREF backgroundColor;
    COLORREF textColor = 0x00FFFFFF;
    bool showText = false;

  protected:
    void OnPaint() override;

  private:
    bool InRange() const { return position_ >= lower_ && position_ <= upper_; }
    void PaintOutOfRange(DeviceContext& dc, const RECT& client);
    void PaintGradient(DeviceContext& dc, const RECT& client, int fillWidth);
    void PaintText(DeviceContext& dc, const RECT& client);

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};
