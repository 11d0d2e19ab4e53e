// Channel numbers and their centre frequencies in kHz, as the card reports them.
#pragma once

#include "platform/core/win_types.h"

class ChannelPlan {
  public:
    // 2.4 GHz channels 1 to 14, 5 GHz channels 16 to 196, 4.9 GHz channels 240 to 255.
    static bool Valid(int channel);
    // 0 for an invalid channel.
    static DWORD FrequencyKhz(int channel);
    // The channel of a centre frequency, 0 when none has it.
    static int ChannelOf(DWORD frequencyKhz);
};
