#include "sim/value_text.h"

#include <cctype>

namespace {

constexpr std::size_t kMaxDigits = 12;
constexpr std::size_t kMacTextSize = 17;
constexpr std::size_t kMaxIpv4Text = 15;

int DigitValue(char c, int base) {
    auto u = static_cast<unsigned char>(c);
    if (std::isdigit(u)) return c - '0';
    if (base == 16 && std::isxdigit(u)) return std::tolower(u) - 'a' + 10;
    return -1;
}

}  // namespace

std::optional<long long> ValueText::Integer(const std::string& text) {
    std::size_t at = 0;
    bool negative = !text.empty() && text[0] == '-';
    if (negative) at = 1;
    int base = 10;
    if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) {
        base = 16;
        at += 2;
    }
    if (at >= text.size() || text.size() - at > kMaxDigits) return std::nullopt;
    long long value = 0;
    for (; at < text.size(); ++at) {
        int digit = DigitValue(text[at], base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
    }
    return negative ? -value : value;
}

std::optional<MacAddress> ValueText::Mac(const std::string& text) {
    if (text.size() != kMacTextSize) return std::nullopt;
    MacAddress mac{};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        std::size_t at = i * 3;
        int high = DigitValue(text[at], 16), low = DigitValue(text[at + 1], 16);
        if (high < 0 || low < 0) return std::nullopt;
        if (i + 1 < mac.size() && text[at + 2] != '-' && text[at + 2] != ':') return std::nullopt;
        mac[i] = static_cast<BYTE>(high << 4 | low);
    }
    return mac;
}

bool ValueText::IsIpv4(const std::string& text) {
    if (text.empty() || text.size() > kMaxIpv4Text) return false;
    int parts = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('.', at);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(at, end - at);
        if (part.empty() || part.size() > 3) return false;
        int value = 0;
        for (char c : part) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
            value = value * 10 + (c - '0');
        }
        if (value > 255) return false;
        ++parts;
        at = end + 1;
    }
    return parts == 4;
}
