#include "controls/gradient_meter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "controls/memory_dc.h"
#include "controls/percent_text.h"

namespace {

// Truncates towards zero like a float-to-int cast, but defined for every input: NaN gives 0,
// values beyond the int range give its ends. A paint truncates the edge of every band, all
// well inside the range: one comparison lets them through (NaN fails it too).
int TruncateToInt(float value) {
    if (std::fabs(value) < 2147483648.0f) return static_cast<int>(value);
    if (std::isnan(value)) return 0;
    return value > 0.0f ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
}

// One colour channel over the bands: its start value and its step per band.
struct ChannelRamp {
    float start;
    float step;
};

ChannelRamp Ramp(BYTE start, BYTE end, float bands) {
    return ChannelRamp{static_cast<float>(start),
                       static_cast<float>(static_cast<int>(end) - static_cast<int>(start)) / bands};
}

// Channel value of band `index`: the integer part of index x step + start, kept to 8 bits.
// A step is at most one (the band count is the largest channel difference) and there are
// fewer than 256 bands, so the value lies between -255 and 510: a plain cast truncates it.
BYTE BandChannel(int index, ChannelRamp ramp) {
    return static_cast<BYTE>(static_cast<int>(static_cast<float>(index) * ramp.step + ramp.start));
}

void FillSolid(DeviceContext& dc, const RECT& rect, COLORREF color) {
    dc.FillSolidRect(&rect, color);
}

}  // namespace

GradientMeter::GradientMeter() : backgroundColor(GetSysColor(COLOR_BTNFACE)) {}

void GradientMeter::SetRange(int lower, int upper) {
    bool changed = lower != lower_ || upper != upper_ || position_ != lower;
    lower_ = lower;
    upper_ = upper;
    position_ = lower;
    SendMessage(PBM_SETRANGE, 0,
                MAKELPARAM(static_cast<WORD>(lower & 0xFFFF), static_cast<WORD>(upper & 0xFFFF)));
    if (changed) Invalidate();
}

void GradientMeter::SetPos(int position) {
    bool changed = position != position_;
    position_ = position;
    SendMessage(PBM_SETPOS, static_cast<WPARAM>(position), 0);
    if (changed) Invalidate();
}

void GradientMeter::GetRange(int& lower, int& upper) const {
    lower = lower_;
    upper = upper_;
}

ControlState GradientMeter::Describe() const {
    ControlState state = ProgressBar::Describe();
    state.rangeLower = lower_;
    state.rangeUpper = upper_;
    state.position = position_;
    return state;
}

void GradientMeter::OnPaint() {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(&paint);
    if (hdc == 0) return;
    {
        DeviceContext dc(hdc);
        RECT client;
        GetClientRect(&client);
        if (!InRange()) {
            PaintOutOfRange(dc, client);
        } else {
            // Relative to the upper bound only, in single precision.
            float fraction = static_cast<float>(position_) / static_cast<float>(upper_);
            PaintGradient(dc, client, TruncateToInt(fraction * static_cast<float>(client.right)));
            if (showText) PaintText(dc, client);
        }
    }
    EndPaint(&paint);
}

void GradientMeter::PaintOutOfRange(DeviceContext& dc, const RECT& client) {
    FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
}

// One band per step of the largest channel difference, over the whole width; bands are drawn
// up to and including the one in which the fill width ends, then the rest is background.
void GradientMeter::PaintGradient(DeviceContext& dc, const RECT& client, int fillWidth) {
    MemoryDC memory(&dc);
    int dR = GetRValue(endColor) - GetRValue(startColor);
    int dG = GetGValue(endColor) - GetGValue(startColor);
    int dB = GetBValue(endColor) - GetBValue(startColor);
    int bands = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});
    if (bands == 0) {
        // Equal colours: a plain bar of the fill width.
        int fill = std::clamp(fillWidth, 0, static_cast<int>(client.right));
        FillSolid(memory, RECT{0, 0, fill, client.bottom + 1}, startColor);
        FillSolid(memory, RECT{fill, 0, client.right, client.bottom}, backgroundColor);
        return;
    }
    float n = static_cast<float>(bands);
    float width = static_cast<float>(client.right) / n;
    const ChannelRamp red = Ramp(GetRValue(startColor), GetRValue(endColor), n);
    const ChannelRamp green = Ramp(GetGValue(startColor), GetGValue(endColor), n);
    const ChannelRamp blue = Ramp(GetBValue(startColor), GetBValue(endColor), n);
    const LONG bottom = client.bottom + 1;
    int left = 0;
    for (int i = 0; i < bands; ++i) {
        RECT band{left, 0, TruncateToInt(static_cast<float>(i + 1) * width), bottom};
        left = band.right;
        if (band.right > band.left) {  // a band under a pixel wide leaves its column to the next
            COLORREF color = RGB(BandChannel(i, red), BandChannel(i, green), BandChannel(i, blue));
            FillSolid(memory, band, color);
        }
        if (band.right > fillWidth) {
            FillSolid(memory, RECT{band.right, 0, client.right, client.bottom}, backgroundColor);
            break;
        }
    }
}

void GradientMeter::PaintText(DeviceContext& dc, const RECT& client) {
    float percent = static_cast<float>(position_) * 100.0f / static_cast<float>(upper_);
    RECT rect = client;
    dc.SetTextColor(textColor);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(PercentText(percent), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
