#include "main/desktop/desktop_script.h"

#include <cstdint>

#include "frontend/fltk/fltk_host.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"

namespace {

bool KeepsMessageBox(const ScriptCommand& command) {
    return command.verb == ScriptVerb::Wait ||
           (command.verb == ScriptVerb::Extension && command.word == "screenshot");
}

}  // namespace

DesktopScript::DesktopScript(FltkHost& host, std::istream& script, std::string name,
                             std::ostream& out, std::ostream& err)
    : host_(host), out_(out), session_(*this, out, script, std::move(name), err) {
    session_.AddCommand("screenshot",
                        [this](const std::vector<std::string>& args) { return Screenshot(args); });
    host_.SetTurnWork([this] { return Turn(); });
    host_.SetMessageObserver([this](const std::string& text) {
        out_ << "message: " << text << "\n";
        out_.flush();
    });
}

DesktopScript::~DesktopScript() {
    host_.SetTurnWork(nullptr);
    host_.SetMessageObserver(nullptr);
}

void DesktopScript::AddCommand(const std::string& word, ScriptSession::Extension handler) {
    session_.AddCommand(word, std::move(handler));
}

DWORD DesktopScript::Turn() {
    DWORD left = 0;
    if (WaitGoesOn(left)) return left;
    if (!pending_) pending_ = session_.Next();
    // At the end the host's stop request closes the window at its next turn.
    if (!pending_) return 0;
    if (pending_->verb == ScriptVerb::Wait) {
        waitUntil_ = GetTickCount() + pending_->ms;
        pending_.reset();
        return 0;
    }
    // The box's answer is taken by the utility first; the command runs at a later turn.
    if (host_.MessageBoxOpen() && !KeepsMessageBox(*pending_)) {
        host_.AnswerMessageBox(IDOK);
        return 0;
    }
    const ScriptCommand command = *pending_;
    pending_.reset();
    session_.Execute(command);
    return 0;
}

bool DesktopScript::WaitGoesOn(DWORD& left) {
    if (!waitUntil_) return false;
    // Differences of tick counts stay right when the count wraps.
    const auto remaining = static_cast<std::int32_t>(*waitUntil_ - GetTickCount());
    if (remaining > 0) {
        left = static_cast<DWORD>(remaining);
        return true;
    }
    waitUntil_.reset();
    return false;
}

std::string DesktopScript::Screenshot(const std::vector<std::string>& args) {
    if (args.size() != 1) return "takes one file name";
    std::string error;
    return host_.ScreenshotFront(args[0], error) ? "" : error;
}

void DesktopScript::QueueFileAnswer(std::optional<std::string> path) {
    host_.QueueFileAnswer(std::move(path));
}
