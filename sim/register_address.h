// The register or EEPROM word a request record names, so that a fault can aim at one of them:
// the baseband index (0xFFA0C802), the MAC byte address (0xFFA0C801) or the EEPROM word
// address (0xFFA0C803, word requests only). Nothing for other OIDs, the EEPROM size request
// or a record too short to hold the field.
#pragma once

#include <optional>
#include <vector>

#include "platform/core/win_types.h"

std::optional<DWORD> RegisterAddress(DWORD oid, const std::vector<BYTE>& record);
