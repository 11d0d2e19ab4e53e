// An EEPROM image read from a text file: up to 512 16-bit words in file order.
//
// The text holds tokens separated by runs of space, comma, tab, LF and CR; it ends at its end
// or at its first NUL byte. Every token must be four characters long and is read as a
// hexadecimal number (see ScanHex), its low 16 bits being the word; the k-th token is word k.
// The first token of another length ends the reading; one whose first byte is below 0x7B
// (plain text rather than the start of a byte-order mark) is a size error. Tokens beyond the
// 512th are not read.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/core/win_types.h"

struct EepromImage {
    static constexpr std::size_t kCapacity = 512;
    static constexpr std::size_t kTokenLength = 4;

    std::array<WORD, kCapacity> words{};
    std::size_t count = 0;   // words read, at most kCapacity
    bool sizeError = false;  // reading ended at a token that is not four characters long

    // Reads an image from the file's bytes; never reads past `text`.
    static EepromImage Parse(std::string_view text);
};
