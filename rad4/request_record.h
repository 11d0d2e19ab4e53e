// The pieces of request handling every driver does the same way: reading and writing the
// request record's fields, and finding the block's token in its event name.
#pragma once

#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/core/win_types.h"
#include "rad4/rad4_protocol.h"

namespace rad4 {

inline DWORD ReadField(const BYTE* record, DWORD offset) {
    DWORD value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

inline void WriteField(BYTE* record, DWORD offset, DWORD value) {
    std::memcpy(record + offset, &value, sizeof value);
}

// The value of one upper-case hexadecimal digit; -1 for anything else.
inline int UpperHexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// "<event prefix><8 digits>-<8 digits>" (process, then block): the block's token, or nothing
// when the name is not of that form.
inline std::optional<DWORD> BlockTokenOf(std::u16string_view name) {
    constexpr std::size_t kDigits = 8;
    const std::string_view prefix = kEventPrefix;
    if (name.size() != prefix.size() + 2 * kDigits + 1) return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (name[i] != static_cast<unsigned char>(prefix[i])) return std::nullopt;
    }
    std::u16string_view digits = name.substr(prefix.size());
    if (digits[kDigits] != u'-') return std::nullopt;
    DWORD token = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == kDigits) continue;
        int digit = UpperHexDigit(digits[i]);
        if (digit < 0) return std::nullopt;
        token = i < kDigits ? 0 : (token << 4 | static_cast<DWORD>(digit));
    }
    return token;
}

}  // namespace rad4
