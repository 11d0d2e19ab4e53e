// A script (docs/script.md) driving the desktop window on the real clock: the commands of the
// headless front end, a `wait` that lets real time pass, and `screenshot FILE`, which writes
// the window in front as a PNG.
//
// A message box stays on screen, printed as "message: TEXT", for the script's `wait` and
// `screenshot`; any other command first answers it OK (as the headless front end does at
// once) and runs once the utility has taken the answer.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "frontend/headless/file_answer_queue.h"
#include "frontend/headless/script_session.h"
#include "platform/core/win_types.h"

class FltkHost;

class DesktopScript : private FileAnswerQueue {
  public:
    // Becomes the host's turn work and message observer until destroyed.
    DesktopScript(FltkHost& host, std::istream& script, std::string name, std::ostream& out,
                  std::ostream& err);
    ~DesktopScript() override;
    DesktopScript(const DesktopScript&) = delete;
    DesktopScript& operator=(const DesktopScript&) = delete;

    void AddCommand(const std::string& word, ScriptSession::Extension handler);

    bool Finished() const { return session_.Finished() && !pending_ && !waitUntil_; }
    bool Failed() const { return session_.Failed(); }

  private:
    // One turn of the host's loop; returns how long the loop may wait for input.
    DWORD Turn();
    bool WaitGoesOn(DWORD& left);
    std::string Screenshot(const std::vector<std::string>& args);
    void QueueFileAnswer(std::optional<std::string> path) override;

    FltkHost& host_;
    std::ostream& out_;
    ScriptSession session_;
    std::optional<ScriptCommand> pending_;
    std::optional<DWORD> waitUntil_;
};
