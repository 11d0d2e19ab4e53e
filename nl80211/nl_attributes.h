// Reading nl80211 replies: each function takes the attributes of one message (the payload after
// the generic netlink header) and returns plain values. They check every attribute's length
// before reading it, so a short or malformed reply gives an empty result, never a wild read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "nl80211/wifi_state.h"

struct nlattr;

namespace nl_attributes {

// An interface of an interface dump; nothing without its index or name.
std::optional<WifiInterface> Interface(nlattr* attrs, int length);
// The station record of a station dump.
StationFigures Station(nlattr* attrs, int length);
// One network of a scan dump; nothing without its BSSID.
std::optional<BssInfo> Bss(nlattr* attrs, int length);
// The power-saving state of a power-save query; nothing when the reply has none.
std::optional<bool> PowerSave(nlattr* attrs, int length);
// The SSID and the rates of a network's information elements; stops at a truncated element.
void ReadElements(const std::uint8_t* data, std::size_t size, BssInfo& bss);

}  // namespace nl_attributes
