#include "frontend/headless/argument_reader.h"

#include <charconv>

#include "frontend/headless/quoted_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string_view ArgumentReader::Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view ArgumentReader::NextWord(std::string_view& rest) {
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    std::string_view word = rest.substr(0, end);
    rest = Trim(rest.substr(end));
    return word;
}

bool ArgumentReader::Number(long long max, long long& value) {
    std::string_view word = NextWord(rest_);
    if (word.empty()) return Fail("missing argument");
    bool digitsOnly = word.find_first_not_of("0123456789") == std::string_view::npos;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (!digitsOnly || ec != std::errc() || end != word.data() + word.size() || value > max) {
        return Fail("'" + std::string(word) + "' is not a number from 0 to " + std::to_string(max));
    }
    return true;
}

bool ArgumentReader::Word(std::string& value) {
    value = std::string(NextWord(rest_));
    return !value.empty() || Fail("missing argument");
}

bool ArgumentReader::Text(std::string& value, bool& quoted) {
    if (rest_.empty()) return Fail("missing text (write \"\" for an empty text)");
    quoted = rest_.front() == '"';
    if (!quoted) {
        value = std::string(rest_);
        rest_ = {};
        return true;
    }
    std::size_t consumed = 0;
    std::string error;
    auto text = UnquoteText(rest_, consumed, error);
    if (!text) return Fail(error);
    if (!Trim(rest_.substr(consumed)).empty()) return Fail("text after the closing quote");
    value = *text;
    rest_ = {};
    return true;
}

bool ArgumentReader::End() { return rest_.empty() || Fail("too many arguments"); }

bool ArgumentReader::Fail(const std::string& message) {
    if (error_.empty()) error_ = message + " (" + usage_ + ")";
    return false;
}
