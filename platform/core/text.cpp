#include "platform/core/text.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

}  // namespace

std::string StrFormatV(const char* format, va_list args) {
    // Most texts fit a small buffer: one pass, and a second only for a longer one.
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (size <= 0) return {};
    if (static_cast<std::size_t>(size) < sizeof small) {
        return std::string(small, static_cast<std::size_t>(size));
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

std::string StrFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = StrFormatV(format, args);
    va_end(args);
    return text;
}

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one code point at text[i], advancing i; U+FFFD for a broken sequence.
char32_t DecodeUtf8(const std::string& text, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4) return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    return cp;
}

}  // namespace

WString Utf8ToWide(const std::string& text) {
    WString out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = DecodeUtf8(text, i);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string WideToUtf8(const WString& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsValidUtf8(const std::string& text) {
    std::string encoded;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = DecodeUtf8(text, i);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        // A broken sequence decodes to U+FFFD and an overlong one to a shorter encoding:
        // either way the canonical bytes differ from the ones read.
        encoded.clear();
        AppendUtf8(encoded, cp);
        if (text.compare(start, i - start, encoded) != 0) return false;
    }
    return true;
}

std::string AnsiToUtf8(const std::string& bytes) {
    // Plain ASCII reads the same in both.
    if (std::all_of(bytes.begin(), bytes.end(), [](unsigned char c) { return c < 0x80; })) {
        return bytes;
    }
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) AppendUtf8(out, c);
    return out;
}

std::string Utf8ToAnsi(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = DecodeUtf8(text, i);
        out.push_back(cp < 0x100 ? static_cast<char>(cp) : '?');
    }
    return out;
}

std::size_t WideLength(const char16_t* text) {
    std::size_t n = 0;
    if (text != nullptr) {
        while (text[n] != 0) ++n;
    }
    return n;
}

std::string HexText(const unsigned char* bytes, std::size_t count, HexCase letters,
                    char separator) {
    const char* digits = letters == HexCase::Upper ? kUpperDigits : kLowerDigits;
    const std::size_t step = separator != '\0' ? 3 : 2;
    std::string text(count == 0 ? 0 : count * step - (step - 2), separator);
    for (std::size_t i = 0; i < count; ++i) {
        text[i * step] = digits[bytes[i] >> 4];
        text[i * step + 1] = digits[bytes[i] & 0xF];
    }
    return text;
}

int HexDigit(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
    return -1;
}
