// Runs an automation script (docs/script.md) as the modal loop of the headless host, on the
// virtual clock.
//
// Every modal loop of the application (the main dialog's, and those of the dialogs it opens,
// nested) reads the script's next commands while its dialog is open. A `wait` advances the
// clock from event to event; when the dialog of the loop that runs it ends meanwhile, the time
// left over goes on in the loop below. The script is one timeline: a dialog opened during a
// `wait` first lets the rest of that wait pass, then reads the next command.
//
// At the end of the script (or at its first error) the application is wound down: open
// dialogs get the escape key, innermost first, and the main window gets its caption OK
// button, as a user closing it would.
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
#include "platform/core/clock.h"

class Dialog;
class HeadlessHost;

// The longest script line read.
constexpr std::size_t kMaxScriptLine = 4096;

class ScriptRunner {
  public:
    // Handler of a registered command word: gets the words after it and returns an error
    // text, or an empty one when the command was carried out.
    using Extension = std::function<std::string(const std::vector<std::string>& args)>;

    // Becomes the host's modal loop until destroyed. `name` names the script in messages;
    // errors go to `err`, dumps to the host's output.
    ScriptRunner(HeadlessHost& host, VirtualClock& clock, std::istream& script, std::string name,
                 std::ostream& err);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    void AddCommand(const std::string& word, Extension handler);

    // The modal loop of `dialog`.
    void RunModalLoop(Dialog& dialog);

    // A command failed (its message is written); the program's exit status is 1.
    bool Failed() const { return failed_; }
    // The script has been read to its end, or stopped at an error.
    bool Finished() const { return finished_; }
    int LinesRead() const { return line_; }

  private:
    struct Wait {
        DWORD until = 0;
        unsigned serial = 0;
    };

    std::optional<ScriptCommand> NextCommand();
    void Execute(const ScriptCommand& command);
    void ContinueWait(Dialog& dialog);
    bool IsCurrentWait(unsigned serial) const { return wait_ && wait_->serial == serial; }
    void WindDown(Dialog& dialog);
    void Fail(int line, const std::string& message);
    bool ReadLine(std::string& text);

    HeadlessHost& host_;
    VirtualClock& clock_;
    std::istream& script_;
    std::string name_;
    std::ostream& err_;
    ScriptParser parser_;
    ScriptActions actions_;
    std::map<std::string, Extension> extensions_;
    std::optional<Wait> wait_;
    unsigned waitSerial_ = 0;
    int line_ = 0;
    bool finished_ = false;
    bool failed_ = false;
};
