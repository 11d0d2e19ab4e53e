#include "controls/percent_text.h"

#include <charconv>

std::string PercentText(float percent) {
    char digits[64];  // a float's largest value has 39 digits
    const std::to_chars_result written = std::to_chars(
        digits, digits + sizeof digits, static_cast<double>(percent), std::chars_format::fixed, 0);
    std::string text(digits, written.ptr);
    text += " %";
    return text;
}
