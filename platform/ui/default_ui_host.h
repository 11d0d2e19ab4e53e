// The host used when no front end has installed one, and the tests' host.
//
// On the virtual clock its modal loop advances time from event to event (timers, scheduler
// callbacks) until the dialog ends or `modalTimeLimitMs` of virtual time have passed, and
// gives up when nothing is left to happen; on the real clock it waits for the next event.
// Message boxes are recorded and answered IDOK; open-file dialogs are answered from a queue
// (cancel when it is empty).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ui_host.h"

class DefaultUiHost : public UiHost {
  public:
    struct Box {
        std::string text;
        std::string caption;
        UINT type = 0;
    };

    void RunModalLoop(Dialog& dialog) override;
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT type) override;
    std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
    void WaitCursorChanged(bool busy) override;

    // Called once at the start of each modal loop (before time runs): a test clicks, types
    // or presses keys in the dialog here.
    std::function<void(Dialog&)> onModal;
    DWORD modalTimeLimitMs = 600000;

    std::vector<Box> boxes;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<OpenFileRequest> fileRequests;
    std::vector<bool> cursorChanges;
};
