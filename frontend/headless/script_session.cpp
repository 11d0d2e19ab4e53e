#include "frontend/headless/script_session.h"

ScriptSession::ScriptSession(FileAnswerQueue& files, std::ostream& out, std::istream& script,
                             std::string name, std::ostream& err)
    : out_(out), script_(script), name_(std::move(name)), err_(err), actions_(files, out) {}

void ScriptSession::AddCommand(const std::string& word, Extension handler) {
    parser_.AddExtensionWord(word);
    extensions_[word] = std::move(handler);
}

std::optional<ScriptCommand> ScriptSession::Next() {
    if (finished_) return std::nullopt;
    std::string text;
    while (ReadLine(text)) {
        ParsedLine parsed = parser_.Parse(text, ++line_);
        if (!parsed.error.empty()) {
            Fail(line_, parsed.error);
            return std::nullopt;
        }
        if (parsed.command) return parsed.command;
    }
    finished_ = true;
    return std::nullopt;
}

// The next line, read no further than kMaxScriptLine bytes, so a script without line breaks is
// never read whole.
bool ScriptSession::ReadLine(std::string& text) {
    text.clear();
    for (int c = script_.get(); c != std::char_traits<char>::eof(); c = script_.get()) {
        if (c == '\n') return true;
        if (text.size() == kMaxScriptLine) {
            Fail(line_ + 1, "line longer than " + std::to_string(kMaxScriptLine) + " bytes");
            return false;
        }
        text.push_back(static_cast<char>(c));
    }
    return !text.empty();
}

void ScriptSession::Execute(const ScriptCommand& command) {
    const std::string error = command.verb == ScriptVerb::Extension
                                  ? extensions_.at(command.word)(command.args)
                                  : actions_.Run(command);
    if (!error.empty()) Fail(command.line, command.word + ": " + error);
    out_.flush();
}

void ScriptSession::Fail(int line, const std::string& message) {
    err_ << name_ << ":" << line << ": " << message << "\n";
    err_.flush();
    failed_ = true;
    finished_ = true;
}
