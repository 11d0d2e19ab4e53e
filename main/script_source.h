// Where the script of --script comes from: a file, or standard input for "-".
#pragma once

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

struct Options;

class ScriptSource {
  public:
    // Without --script the script is empty. False, with a one-line reason on `err`, when the
    // file cannot be opened.
    bool Open(const Options& options, std::istream& stdinScript, std::ostream& err);

    std::istream& Stream() { return *stream_; }
    // The script's name in messages.
    const std::string& Name() const { return name_; }

  private:
    std::istringstream none_;
    std::ifstream file_;
    std::istream* stream_ = &none_;
    std::string name_ = "(no script)";
};
