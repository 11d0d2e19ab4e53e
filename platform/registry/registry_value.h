// One named, typed value of a registry key; data are the raw bytes (strings as UTF-16LE).
#pragma once

#include <string>
#include <vector>

#include "platform/core/win_types.h"

struct RegistryValue {
    std::string name;  // UTF-8; empty for the key's default value
    DWORD type = 0;
    std::vector<BYTE> data;
};

// REG_SZ of UTF-8 text: UTF-16LE characters and the terminating NUL.
RegistryValue MakeStringValue(std::string name, const std::string& text);
// REG_DWORD, little-endian.
RegistryValue MakeDwordValue(std::string name, DWORD number);
// UTF-16LE bytes (an odd last byte is dropped) to UTF-16.
WString Utf16FromBytes(const BYTE* data, std::size_t size);
