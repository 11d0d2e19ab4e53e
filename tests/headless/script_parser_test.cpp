// The script language's lines: the form of each command, quoting, and the errors of bad lines.
#include "frontend/headless/script_parser.h"

#include <gtest/gtest.h>

#include "frontend/headless/quoted_text.h"

namespace {

ScriptParser MakeParser() {
    ScriptParser parser;
    parser.AddExtensionWord("sim");
    return parser;
}

ScriptCommand ParseGood(const std::string& line) {
    ParsedLine parsed = MakeParser().Parse(line, 7);
    EXPECT_EQ(parsed.error, "") << line;
    EXPECT_TRUE(parsed.command.has_value()) << line;
    return parsed.command.value_or(ScriptCommand{});
}

TEST(ScriptParser, BlankLinesAndCommentsAreNoCommands) {
    for (const char* line : {"", "   ", "\t\r", "# a comment", "   # indented comment"}) {
        ParsedLine parsed = MakeParser().Parse(line, 1);
        EXPECT_FALSE(parsed.command.has_value()) << line;
        EXPECT_EQ(parsed.error, "") << line;
    }
}

TEST(ScriptParser, AByteOrderMarkIsSkippedOnlyAtTheStartOfTheFile) {
    EXPECT_EQ(MakeParser().Parse("\xEF\xBB\xBFwait 5", 1).command->ms, 5u);
    EXPECT_EQ(MakeParser().Parse("\xEF\xBB\xBFwait 5", 2).error,
              "unknown command '\xEF\xBB\xBFwait'");
}

TEST(ScriptParser, NumbersOfEachCommand) {
    ScriptCommand wait = ParseGood("  wait 2500  \r");
    EXPECT_EQ(wait.verb, ScriptVerb::Wait);
    EXPECT_EQ(wait.ms, 2500u);
    EXPECT_EQ(wait.line, 7);
    EXPECT_EQ(ParseGood("click 1016").id, 1016);
    ScriptCommand dbl = ParseGood("dblclick 1020 4");
    EXPECT_EQ(dbl.verb, ScriptVerb::DoubleClick);
    EXPECT_EQ(dbl.index, 4);
    EXPECT_EQ(ParseGood("key enter").verb, ScriptVerb::KeyEnter);
    EXPECT_EQ(ParseGood("close").verb, ScriptVerb::Close);
}

TEST(ScriptParser, TextRunsToTheEndOfTheLineOrIsQuoted) {
    ScriptCommand type = ParseGood("type 1003   My home net  ");
    EXPECT_EQ(type.verb, ScriptVerb::Type);
    EXPECT_EQ(type.id, 1003);
    EXPECT_EQ(type.text, "My home net");
    EXPECT_EQ(ParseGood(R"(expect 1004 "  two\tparts \"q\" \\ \x41")").text,
              "  two\tparts \"q\" \\ A");
    // Unquoted text keeps backslashes and inner quotes as they are.
    EXPECT_EQ(ParseGood(R"(type 1003 C:\dir\"x")").text, R"(C:\dir\"x")");
}

TEST(ScriptParser, FileTakesAPathOrCancel) {
    EXPECT_EQ(ParseGood("file /tmp/eeprom image.txt").path, "/tmp/eeprom image.txt");
    EXPECT_FALSE(ParseGood("file -").path.has_value());
    EXPECT_EQ(ParseGood(R"(file "-")").path, "-");
}

TEST(ScriptParser, RegisteredWordsTakeTheirWords) {
    ScriptCommand sim = ParseGood("sim remove-device  COM3: ");
    EXPECT_EQ(sim.verb, ScriptVerb::Extension);
    EXPECT_EQ(sim.word, "sim");
    EXPECT_EQ(sim.args, (std::vector<std::string>{"remove-device", "COM3:"}));
}

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
        BadLine{"expect 1003 \"\\q\"",
                "unknown escape in quoted text (use \\\" \\\\ \\n \\r \\t \\xNN) (expect ID TEXT)"},
        BadLine{"key", "missing argument (key enter|escape)"},
        BadLine{"key space", "unknown key 'space' (key enter|escape)"},
        BadLine{"close now", "too many arguments (close)"},
        BadLine{"file", "missing text (write \"\" for an empty text) (file PATH|-)"}));

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

TEST(QuotedText, RefusesBrokenHexEscapes) {
    std::size_t consumed = 0;
    std::string error;
    EXPECT_FALSE(UnquoteText(R"("\x4")", consumed, error).has_value());
    EXPECT_FALSE(UnquoteText(R"("\xZZ")", consumed, error).has_value());
    EXPECT_FALSE(UnquoteText(R"("abc\)", consumed, error).has_value());
}

}  // namespace
