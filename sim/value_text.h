// Values written as text, in the forms scenario files and script commands share: integers in
// decimal or "0x" hexadecimal, MAC addresses and IPv4 addresses.
#pragma once

#include <optional>
#include <string>

#include "sim/scenario.h"

class ValueText {
  public:
    // A decimal or "0x" hexadecimal integer, optionally negative; nothing for other text.
    static std::optional<long long> Integer(const std::string& text);
    // "00-0A-0B-1C-2D-3E" or "00:0A:0B:1C:2D:3E"; nothing for other text.
    static std::optional<MacAddress> Mac(const std::string& text);
    // Four decimal numbers 0 to 255 joined by dots, as "192.0.2.15".
    static bool IsIpv4(const std::string& text);
};
