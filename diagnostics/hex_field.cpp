#include "diagnostics/hex_field.h"

#include <cctype>
#include <limits>

#include "platform/core/text.h"

namespace {

// "0x" or "0X" at `at` followed by a digit; "0x" alone is the digit 0 followed by other text.
bool HasHexPrefix(std::string_view text, std::size_t at) {
    return at + 2 < text.size() && text[at] == '0' &&
           (text[at + 1] == 'x' || text[at + 1] == 'X') && HexDigit(text[at + 2]) >= 0;
}

}  // namespace

std::optional<DWORD> ScanHex(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (HasHexPrefix(text, at)) at += 2;
    const std::size_t first = at;
    unsigned long long value = 0;
    for (; at < text.size() && HexDigit(text[at]) >= 0; ++at) {
        value = value * 16 + static_cast<unsigned>(HexDigit(text[at]));
        if (value > std::numeric_limits<DWORD>::max()) value = std::numeric_limits<DWORD>::max();
    }
    if (at == first) return std::nullopt;
    DWORD result = static_cast<DWORD>(value);
    return negative ? static_cast<DWORD>(0u - result) : result;
}

DWORD ScanHexOrZero(std::string_view text) { return ScanHex(text).value_or(0); }
