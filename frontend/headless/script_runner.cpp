#include "frontend/headless/script_runner.h"

#include "frontend/headless/headless_host.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

ScriptRunner::ScriptRunner(HeadlessHost& host, VirtualClock& clock, std::istream& script,
                           std::string name, std::ostream& err)
    : host_(host),
      clock_(clock),
      script_(script),
      name_(std::move(name)),
      err_(err),
      actions_(host, host.Out()) {
    host_.SetModalLoop([this](Dialog& dialog) { RunModalLoop(dialog); });
}

ScriptRunner::~ScriptRunner() { host_.SetModalLoop(nullptr); }

void ScriptRunner::AddCommand(const std::string& word, Extension handler) {
    parser_.AddExtensionWord(word);
    extensions_[word] = std::move(handler);
}

void ScriptRunner::RunModalLoop(Dialog& dialog) {
    while (!dialog.IsEnding()) {
        PumpMessages();
        if (dialog.IsEnding()) return;
        if (wait_) {
            ContinueWait(dialog);
        } else if (finished_) {
            WindDown(dialog);
            return;
        } else if (auto command = NextCommand()) {
            Execute(*command);
        }
    }
}

std::optional<ScriptCommand> ScriptRunner::NextCommand() {
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

// The next line, read no further than kMaxScriptLine bytes; a longer line fails the script.
bool ScriptRunner::ReadLine(std::string& text) {
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

void ScriptRunner::Execute(const ScriptCommand& command) {
    std::string error;
    if (command.verb == ScriptVerb::Wait) {
        wait_ = Wait{clock_.Now() + command.ms, ++waitSerial_};
    } else if (command.verb == ScriptVerb::Extension) {
        error = extensions_.at(command.word)(command.args);
    } else {
        error = actions_.Run(command);
    }
    if (!error.empty()) Fail(command.line, command.word + ": " + error);
    host_.Out().flush();
}

void ScriptRunner::ContinueWait(Dialog& dialog) {
    const Wait wait = *wait_;
    if (clock_.Now() < wait.until) {
        // Stops when this loop's dialog ends, or when a dialog opened meanwhile has finished
        // this wait (or started the next one) in its own loop.
        AdvanceVirtualClock(clock_, wait.until - clock_.Now(), [&] {
            return dialog.IsEnding() || !IsCurrentWait(wait.serial) || clock_.Now() >= wait.until;
        });
    }
    if (IsCurrentWait(wait.serial) && clock_.Now() >= wait.until) wait_.reset();
}

void ScriptRunner::WindDown(Dialog& dialog) {
    if (&dialog == WindowManager::Instance().MainWindow()) {
        CloseWindow(dialog);
    } else {
        PressEscape(dialog);
    }
    PumpMessages();
    // A dialog that does not end now is cancelled when this loop returns.
}

void ScriptRunner::Fail(int line, const std::string& message) {
    err_ << name_ << ":" << line << ": " << message << "\n";
    err_.flush();
    failed_ = true;
    finished_ = true;
    wait_.reset();
}
