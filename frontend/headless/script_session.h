// One script being read and carried out, whatever clock and front end run it: reads the next
// command, runs every command but `wait` (which the caller's loop owns), and stops at the
// first error, which it writes as "NAME:LINE: message".
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frontend/headless/script_actions.h"
#include "frontend/headless/script_parser.h"

class FileAnswerQueue;

// The longest script line read; a longer one fails the script.
constexpr std::size_t kMaxScriptLine = 4096;

class ScriptSession {
  public:
    // Handler of a registered command word: gets the words after it and returns an error
    // text, or an empty one when the command was carried out.
    using Extension = std::function<std::string(const std::vector<std::string>& args)>;

    // `out` gets dumps; `err` gets errors; `name` names the script in them.
    ScriptSession(FileAnswerQueue& files, std::ostream& out, std::istream& script, std::string name,
                  std::ostream& err);

    void AddCommand(const std::string& word, Extension handler);

    // The next command; nothing at the end of the script or at a malformed line.
    std::optional<ScriptCommand> Next();
    // Carries out a command other than `wait`.
    void Execute(const ScriptCommand& command);

    bool Failed() const { return failed_; }
    bool Finished() const { return finished_; }
    int LinesRead() const { return line_; }

  private:
    void Fail(int line, const std::string& message);
    bool ReadLine(std::string& text);

    std::ostream& out_;
    std::istream& script_;
    std::string name_;
    std::ostream& err_;
    ScriptParser parser_;
    ScriptActions actions_;
    std::map<std::string, Extension> extensions_;
    int line_ = 0;
    bool finished_ = false;
    bool failed_ = false;
};
