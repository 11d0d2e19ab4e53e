#include "platform/core/text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

// One conversion "%[-0][width][l|ll|z](d|i|u|x|X|s|c)" or "%%": all that the direct
// formatter below reads. Anything else (precision, other flags, floating point) is left to
// vsnprintf.
struct Conversion {
    bool left = false;
    bool zero = false;
    int width = 0;
    char length = 0;  // 0, 'l', 'L' for ll, 'z'
    char type = 0;
};

bool ParseFlagsAndWidth(const char*& p, Conversion& c) {
    for (;; ++p) {
        if (*p == '-') {
            c.left = true;
        } else if (*p == '0') {
            c.zero = true;
        } else {
            break;
        }
    }
    for (int digits = 0; *p >= '0' && *p <= '9'; ++p, ++digits) {
        if (digits == 3) return false;
        c.width = c.width * 10 + (*p - '0');
    }
    return true;
}

void ParseLength(const char*& p, Conversion& c) {
    if (*p == 'z') {
        c.length = 'z';
        ++p;
    } else if (*p == 'l') {
        ++p;
        c.length = *p == 'l' ? 'L' : 'l';
        if (c.length == 'L') ++p;
    }
}

// Reads the conversion after a '%', leaving p past it; false when it is not one read here.
bool ParseConversion(const char*& p, Conversion& c) {
    if (!ParseFlagsAndWidth(p, c)) return false;
    ParseLength(p, c);
    c.type = *p++;
    switch (c.type) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
            return true;
        case 's':
        case 'c':
            return !c.zero && c.length == 0;
        case '%':
            return !c.left && !c.zero && c.width == 0 && c.length == 0;
        default:
            return false;
    }
}

bool IsSigned(char type) { return type == 'd' || type == 'i'; }

long long SignedArgument(char length, va_list* args) {
    switch (length) {
        case 'l':
            return va_arg(*args, long);
        case 'L':
            return va_arg(*args, long long);
        case 'z':
            return va_arg(*args, std::make_signed_t<std::size_t>);
        default:
            return va_arg(*args, int);
    }
}

unsigned long long UnsignedArgument(char length, va_list* args) {
    switch (length) {
        case 'l':
            return va_arg(*args, unsigned long);
        case 'L':
            return va_arg(*args, unsigned long long);
        case 'z':
            return va_arg(*args, std::size_t);
        default:
            return va_arg(*args, unsigned int);
    }
}

// The integer argument's magnitude; `negative` tells its sign.
unsigned long long IntegerArgument(const Conversion& c, va_list* args, bool& negative) {
    if (!IsSigned(c.type)) {
        negative = false;
        return UnsignedArgument(c.length, args);
    }
    const long long value = SignedArgument(c.length, args);
    negative = value < 0;
    // Negated in unsigned arithmetic, which also holds the most negative value.
    return negative ? 0ULL - static_cast<unsigned long long>(value)
                    : static_cast<unsigned long long>(value);
}

// Writes the digits of `value` ending at `end`; returns where they start.
char* Digits(unsigned long long value, char type, char* end) {
    const char* digits = type == 'X' ? kUpperDigits : kLowerDigits;
    const unsigned base = type == 'x' || type == 'X' ? 16 : 10;
    do {
        *--end = digits[value % base];
        value /= base;
    } while (value != 0);
    return end;
}

// Formats into a fixed buffer; a text that does not fit is left to vsnprintf.
class DirectFormatter {
  public:
    bool Run(const char* format, va_list* args) {
        for (const char* p = format; *p != '\0';) {
            const char* percent = std::strchr(p, '%');
            const char* stop = percent != nullptr ? percent : p + std::strlen(p);
            if (!Append(p, static_cast<std::size_t>(stop - p))) return false;
            if (percent == nullptr) break;
            p = percent + 1;
            Conversion c;
            if (!ParseConversion(p, c) || !Convert(c, args)) return false;
        }
        return true;
    }
    std::string Text() const { return std::string(buffer_, size_); }

  private:
    bool Append(const char* text, std::size_t count) {
        if (count > sizeof buffer_ - size_) return false;
        std::memcpy(buffer_ + size_, text, count);
        size_ += count;
        return true;
    }
    bool Fill(char c, int count) {
        if (count <= 0) return true;
        if (static_cast<std::size_t>(count) > sizeof buffer_ - size_) return false;
        std::memset(buffer_ + size_, c, static_cast<std::size_t>(count));
        size_ += static_cast<std::size_t>(count);
        return true;
    }
    // `sign` (may be empty) then `body`, padded to the width.
    bool Padded(const Conversion& c, const char* sign, const char* body, std::size_t size) {
        const std::size_t signSize = std::strlen(sign);
        const int pad = c.width - static_cast<int>(signSize + size);
        if (c.left) return Append(sign, signSize) && Append(body, size) && Fill(' ', pad);
        if (c.zero) return Append(sign, signSize) && Fill('0', pad) && Append(body, size);
        return Fill(' ', pad) && Append(sign, signSize) && Append(body, size);
    }
    bool Convert(const Conversion& c, va_list* args) {
        if (c.type == '%') return Append("%", 1);
        if (c.type == 'c') {
            const char ch = static_cast<char>(va_arg(*args, int));
            return Padded(c, "", &ch, 1);
        }
        if (c.type == 's') {
            const char* text = va_arg(*args, const char*);
            return text != nullptr && Padded(c, "", text, std::strlen(text));
        }
        bool negative = false;
        const unsigned long long value = IntegerArgument(c, args, negative);
        char digits[24];
        char* end = digits + sizeof digits;
        const char* start = Digits(value, c.type, end);
        return Padded(c, negative ? "-" : "", start, static_cast<std::size_t>(end - start));
    }

    char buffer_[256];
    std::size_t size_ = 0;
};

std::string VsnprintfText(const char* format, va_list args) {
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

}  // namespace

std::string StrFormatV(const char* format, va_list args) {
    // The common conversions are written directly; vsnprintf's general machinery costs far
    // more than these short texts.
    DirectFormatter direct;
    va_list copy;
    va_copy(copy, args);
    const bool done = direct.Run(format, &copy);
    va_end(copy);
    return done ? direct.Text() : VsnprintfText(format, args);
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
