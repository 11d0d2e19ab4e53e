// Turns script lines into commands. Checks the form of each line (command word, number of
// arguments, numbers, quoting); whether a control exists is checked when the command runs.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "frontend/headless/script_command.h"

// The outcome of one line: a command, an error, or neither (blank line or comment).
struct ParsedLine {
    std::optional<ScriptCommand> command;
    std::string error;
};

class ScriptParser {
  public:
    // A further command word whose arguments are left to its handler (split at blanks).
    void AddExtensionWord(const std::string& word);
    bool IsExtensionWord(const std::string& word) const;

    ParsedLine Parse(std::string_view line, int lineNumber) const;

  private:
    std::set<std::string> extensionWords_;
};
