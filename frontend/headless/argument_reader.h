// Reads the arguments of one script line in order (numbers, words, a text that runs to the end
// of the line) and keeps the first error, followed by the command's usage.
#pragma once

#include <string>
#include <string_view>

class ArgumentReader {
  public:
    ArgumentReader(std::string_view rest, const char* usage) : rest_(rest), usage_(usage) {}

    // A decimal number from 0 to `max`.
    bool Number(long long max, long long& value);
    bool Word(std::string& value);
    // The rest of the line: quoted (see quoted_text.h), or taken as it stands. Sets `quoted`.
    bool Text(std::string& value, bool& quoted);
    // True when nothing is left.
    bool End();

    const std::string& Error() const { return error_; }

    // Line helpers shared with the parser.
    static std::string_view Trim(std::string_view text);
    // Takes the first word off `rest` and the blanks after it.
    static std::string_view NextWord(std::string_view& rest);

  private:
    bool Fail(const std::string& message);

    std::string_view rest_;
    const char* usage_;
    std::string error_;
};
