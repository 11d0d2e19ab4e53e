// EEPROM image text files: any bytes give at most 512 words, never more than the file's
// four-character tokens, and reading the same bytes twice gives the same image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "diagnostics/eeprom_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    EepromImage image = EepromImage::Parse(text);
    if (image.count > EepromImage::kCapacity) std::abort();
    if (image.count * EepromImage::kTokenLength > size) std::abort();
    EepromImage again = EepromImage::Parse(text);
    if (again.count != image.count || again.words != image.words) std::abort();
    return 0;
}
