#include "diagnostics/eeprom_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/hex_field.h"

namespace {

using namespace std::string_literals;

struct Case {
    const char* name;
    std::string text;
    std::vector<WORD> words;
    bool sizeError;
};

TEST(EepromImageTest, ReadsFourCharacterTokensUpToTheFirstOtherOne) {
    const std::string utf16 =
        "0\0"s
        "1\0"s
        "0\0"s
        "2\0"s;
    const Case cases[] = {
        {"mixed separators", "0102 0304,0506\r\n0708", {0x0102, 0x0304, 0x0506, 0x0708}, false},
        {"runs of separators", " ,\t0A0b,,\n\r\r0x1F\n", {0x0A0B, 0x001F}, false},
        {"five characters", "0001 0002 12345 0004", {0x0001, 0x0002}, true},
        {"digits then text", "12zz zzzz -001", {0x0012, 0x0000, 0xFFFF}, false},
        {"UTF-16 with mark", "\xFF\xFE" + utf16, {}, false},
        {"UTF-16 without mark", utf16, {}, true},
        {"UTF-8 with mark",
         "\xEF\xBB\xBF"
         "0102 0304",
         {},
         false},
        {"quiet stop", "0102 {abc} 0304", {0x0102}, false},
        {"text ends at NUL", "0102\0 0304"s, {0x0102}, false},
        {"empty", "", {}, false},
    };
    for (const Case& c : cases) {
        const EepromImage image = EepromImage::Parse(c.text);
        EXPECT_EQ(std::vector<WORD>(image.words.begin(), image.words.begin() + image.count),
                  c.words)
            << c.name;
        EXPECT_EQ(image.sizeError, c.sizeError) << c.name;
    }
}

TEST(EepromImageTest, StopsAtTheBufferAndZeroesTheRest) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += "ABCD ";
    const EepromImage full = EepromImage::Parse(text);
    EXPECT_EQ(full.count, EepromImage::kCapacity);
    EXPECT_FALSE(full.sizeError);
    const EepromImage short_ = EepromImage::Parse("1111");
    EXPECT_EQ(short_.words[1], 0);
}

TEST(HexFieldTest, ReadsAsAHexScan) {
    const std::pair<const char*, std::optional<DWORD>> cases[] = {
        {" 2f4", 0x2F4},       {"0x10", 0x10},
        {"0X1g", 1},           {"0x", 0},
        {"-1", 0xFFFFFFFF},    {"+a", 0xA},
        {"", std::nullopt},    {"g1", std::nullopt},
        {"- 1", std::nullopt}, {"123456789", 0xFFFFFFFF}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ScanHex(text), value) << text;
}

}  // namespace
