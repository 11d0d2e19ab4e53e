// Text helpers: printf-style formatting and conversions between the encodings the OS uses.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/core/win_types.h"

// printf-style formatting into a std::string.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string StrFormatV(const char* format, va_list args);

// UTF-8 <-> UTF-16. Invalid sequences become U+FFFD.
WString Utf8ToWide(const std::string& text);
std::string WideToUtf8(const WString& text);
// True when text is well-formed UTF-8 (no broken or overlong sequence, no surrogate, nothing
// above U+10FFFF), i.e. when it survives the round trip through UTF-16 unchanged.
bool IsValidUtf8(const std::string& text);
// Bytes of the system's 8-bit (ANSI) code page, taken as Latin-1, to UTF-8 and back; a
// character outside Latin-1 becomes '?'.
std::string AnsiToUtf8(const std::string& bytes);
std::string Utf8ToAnsi(const std::string& text);
enum class HexCase { Lower, Upper };
// Two hexadecimal digits a byte, with `separator` between bytes unless it is NUL.
std::string HexText(const unsigned char* bytes, std::size_t count, HexCase letters,
                    char separator = '\0');
// Value of a hexadecimal digit (either case); -1 for any other character.
int HexDigit(char32_t c);
// Length of a NUL-terminated UTF-16 string.
std::size_t WideLength(const char16_t* text);
