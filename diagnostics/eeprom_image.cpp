#include "diagnostics/eeprom_image.h"

#include "diagnostics/hex_field.h"

namespace {

constexpr std::string_view kSeparators = " ,\t\n\r";
// Tokens starting at or above this byte end the reading quietly: they are byte-order marks
// and other non-text starts rather than mistyped words.
constexpr unsigned char kQuietStart = 0x7B;

}  // namespace

EepromImage EepromImage::Parse(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    EepromImage image;
    std::size_t at = text.find_first_not_of(kSeparators);
    while (at != std::string_view::npos && image.count < kCapacity) {
        std::size_t end = text.find_first_of(kSeparators, at);
        std::string_view token = text.substr(at, end == std::string_view::npos ? end : end - at);
        if (token.size() != kTokenLength) {
            image.sizeError = static_cast<unsigned char>(token.front()) < kQuietStart;
            break;
        }
        image.words[image.count++] = static_cast<WORD>(ScanHexOrZero(token));
        at = end == std::string_view::npos ? end : text.find_first_not_of(kSeparators, end);
    }
    return image;
}
