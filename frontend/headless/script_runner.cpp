#include "frontend/headless/script_runner.h"

#include "frontend/headless/headless_host.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window_manager.h"

ScriptRunner::ScriptRunner(HeadlessHost& host, VirtualClock& clock, std::istream& script,
                           std::string name, std::ostream& err)
    : host_(host), clock_(clock), session_(host, host.Out(), script, std::move(name), err) {
    host_.SetModalLoop([this](Dialog& dialog) { RunModalLoop(dialog); });
}

ScriptRunner::~ScriptRunner() { host_.SetModalLoop(nullptr); }

void ScriptRunner::AddCommand(const std::string& word, Extension handler) {
    session_.AddCommand(word, std::move(handler));
}

void ScriptRunner::RunModalLoop(Dialog& dialog) {
    while (!dialog.IsEnding()) {
        PumpMessages();
        if (dialog.IsEnding()) return;
        if (wait_) {
            ContinueWait(dialog);
        } else if (session_.Finished()) {
            WindDown(dialog);
            return;
        } else if (auto command = session_.Next()) {
            Execute(*command);
        }
    }
}

void ScriptRunner::Execute(const ScriptCommand& command) {
    if (command.verb == ScriptVerb::Wait) {
        wait_ = Wait{clock_.Now() + command.ms, ++waitSerial_};
    } else {
        session_.Execute(command);
    }
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
