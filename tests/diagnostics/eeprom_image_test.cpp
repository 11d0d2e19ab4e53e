#include "diagnostics/eeprom_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(EepromImageTest, ReadsFourCharacterTokensUpToTheFirstOtherOne) {
    const std::string utf16 =
        "0\0"s
        "1\0"s
        "0\0"s
        "2\0"s;
    const struct {
        std::string text;
        std::vector<WORD> words;
        bool sizeError;
    } cases[] = {
        {"0102 0304,0506\r\n0708", {0x0102, 0x0304, 0x0506, 0x0708}, false},
        {" ,\t0A0b,,\n\r\r0x1F\n", {0x0A0B, 0x001F}, false},
        {"0001 0002 12345 0004", {0x0001, 0x0002}, true},
        {"12zz zzzz -001", {0x0012, 0x0000, 0xFFFF}, false},
        {"\xFF\xFE" + utf16, {}, false},  // UTF-16 with its byte-order mark
        {utf16, {}, true},                // without: the first token is "0"
        {"\xEF\xBB\xBF"
         "0102 0304",
         {},
         false},
        {"0102\0 0304"s, {0x0102}, false},
    };
    for (const auto& c : cases) {
        const EepromImage image = EepromImage::Parse(c.text);
        EXPECT_EQ(std::vector<WORD>(image.words.begin(), image.words.begin() + image.count),
                  c.words)
            << c.text;
        EXPECT_EQ(image.sizeError, c.sizeError) << c.text;
    }
    std::string many;
    for (int i = 0; i < 600; ++i) many += "ABCD ";
    EXPECT_EQ(EepromImage::Parse(many).count, EepromImage::kCapacity);
}

}  // namespace
