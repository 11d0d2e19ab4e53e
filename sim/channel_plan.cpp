#include "sim/channel_plan.h"

bool ChannelPlan::Valid(int channel) {
    return (channel >= 1 && channel <= 14) || (channel >= 16 && channel <= 196) ||
           (channel >= 240 && channel <= 255);
}

DWORD ChannelPlan::FrequencyKhz(int channel) {
    if (!Valid(channel)) return 0;
    if (channel == 14) return 2484000;
    if (channel < 14) return 2407000 + 5000 * static_cast<DWORD>(channel);
    if (channel >= 240) return 5000000 - 5000 * static_cast<DWORD>(256 - channel);
    return 5000000 + 5000 * static_cast<DWORD>(channel);
}

int ChannelPlan::ChannelOf(DWORD frequencyKhz) {
    for (int channel = 1; channel <= 255; ++channel) {
        if (FrequencyKhz(channel) == frequencyKhz) return channel;
    }
    return 0;
}
