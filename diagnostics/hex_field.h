// Hexadecimal numbers typed into the engineering pages' fields, read the way a "%x" scan reads
// them: leading blanks, an optional sign, an optional "0x", then digits up to the first
// character that is not one.
#pragma once

#include <optional>
#include <string_view>

#include "platform/core/win_types.h"

// The value (a minus sign negates it modulo 2^32; too many digits keep the largest value), or
// nothing when the text holds no digit where one is expected.
std::optional<DWORD> ScanHex(std::string_view text);

// As ScanHex, 0 for a text without digits.
DWORD ScanHexOrZero(std::string_view text);
