// The texts of one row of the Site Survey list, from one entry of the driver's network list.
#pragma once

#include <string>

#include "adapter/ndis_records.h"

// The SSID bytes up to the first zero byte (at most 32), from the 8-bit code page.
std::string SsidText(const NdisWlanBssid& entry);
// "%02x-%02x-%02x-%02x-%02x-%02x".
std::string BssidText(const NdisWlanBssid& entry);
// "AP", "Ad hoc", or "Auto" for any other infrastructure mode.
std::string ModeText(const NdisWlanBssid& entry);
// "On" only for privacy 1.
std::string WepText(const NdisWlanBssid& entry);
// The channel of the DS frequency in the 14-channel table; empty for a frequency not in it.
std::string ChannelText(const NdisWlanBssid& entry);
// "N %": (dBm + 80) * 100 / 40, at least 1 and at most 100.
std::string SignalText(const NdisWlanBssid& entry);
// The supported rates, "1M*, 2M*, ..." ('*' marks a basic rate).
std::string RatesText(const NdisWlanBssid& entry);
