// The script language's bad lines and their errors, and quoting. Good lines (blanks, comments,
// a byte-order mark, CR LF, quoted and unquoted text) are in the headless script ap_lines.
#include "frontend/headless/script_parser.h"

#include <gtest/gtest.h>

#include "frontend/headless/quoted_text.h"

namespace {

ScriptParser MakeParser() {
    ScriptParser parser;
    parser.AddExtensionWord("sim");
    return parser;
}

constexpr const char* kUnknownEscape =
    "unknown escape in quoted text (use \\\" \\\\ \\n \\r \\t \\xNN) (expect ID TEXT)";

struct BadLine {
    const char* line;
    const char* error;
};

class BadScriptLine : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadScriptLine, IsRefusedWithAClearMessage) {
    ParsedLine parsed = MakeParser().Parse(GetParam().line, 3);
    EXPECT_FALSE(parsed.command.has_value());
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadScriptLine,
    ::testing::Values(
        BadLine{"jump 3", "unknown command 'jump'"}, BadLine{"Wait 10", "unknown command 'Wait'"},
        BadLine{"wait", "missing argument (wait MS)"},
        BadLine{"wait ten", "'ten' is not a number from 0 to 999999999 (wait MS)"},
        BadLine{"wait 1000000000", "'1000000000' is not a number from 0 to 999999999 (wait MS)"},
        BadLine{"wait 10 20", "too many arguments (wait MS)"},
        BadLine{"click 70000", "'70000' is not a number from 0 to 65535 (click ID)"},
        BadLine{"select 1000", "missing argument (select ID INDEX)"},
        BadLine{"dblclick 1020 first",
                "'first' is not a number from 0 to 999999999 (dblclick ID ROW)"},
        BadLine{"type 1003", "missing text (write \"\" for an empty text) (type ID TEXT)"},
        BadLine{"type 1003 \"open", "quoted text has no closing quote (type ID TEXT)"},
        BadLine{"expect 1003 \"a\" b", "text after the closing quote (expect ID TEXT)"},
        BadLine{"expect 1003 \"\\q\"", kUnknownEscape},
        BadLine{"key", "missing argument (key enter|escape)"},
        BadLine{"key space", "unknown key 'space' (key enter|escape)"},
        BadLine{"close now", "too many arguments (close)"},
        BadLine{"file", "missing text (write \"\" for an empty text) (file PATH|-)"},
        BadLine{"\xEF\xBB\xBFwait 5", "unknown command '\xEF\xBB\xBFwait'"},
        BadLine{R"(expect 1003 "\x4")", kUnknownEscape},
        BadLine{R"(expect 1003 "\xZZ")", kUnknownEscape},
        BadLine{R"(expect 1003 "abc\)", kUnknownEscape}));

TEST(QuotedText, RoundTripsEveryByte) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    std::string quoted = QuoteText(all);
    std::size_t consumed = 0;
    std::string error;
    EXPECT_EQ(UnquoteText(quoted, consumed, error), all);
    EXPECT_EQ(consumed, quoted.size());
    EXPECT_EQ(QuoteText("a\"b\\c\nd\x01"), R"("a\"b\\c\nd\x01")");
    EXPECT_EQ(QuoteText("Grüße"), "\"Grüße\"");
}

}  // namespace
