// The front end without a display: message boxes are printed as "message: TEXT" and answered
// OK, open-file dialogs are answered from a queue (cancelled when it is empty) and printed,
// the busy cursor is recorded. The modal loop is whatever drives the host: the script runner
// on the virtual clock, or the text mode's loop on the real clock.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frontend/headless/file_answer_queue.h"
#include "platform/ui/ui_host.h"

class HeadlessHost : public UiHost, public FileAnswerQueue {
  public:
    explicit HeadlessHost(std::ostream& out);

    using ModalLoop = std::function<void(Dialog&)>;
    // Without a loop a modal dialog returns at once (and so is cancelled).
    void SetModalLoop(ModalLoop loop) { loop_ = std::move(loop); }

    void RunModalLoop(Dialog& dialog) override;
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT type) override;
    std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
    void WaitCursorChanged(bool busy) override;

    // The answer to the next open-file dialog: a path, or nothing to cancel it.
    void QueueFileAnswer(std::optional<std::string> path) override;
    std::size_t PendingFileAnswers() const { return fileAnswers_.size(); }
    bool IsBusy() const { return busy_; }
    // Each change between idle (false) and busy (true), in order.
    const std::vector<bool>& BusyChanges() const { return busyChanges_; }
    std::ostream& Out() { return out_; }

  private:
    std::ostream& out_;
    ModalLoop loop_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<bool> busyChanges_;
    bool busy_ = false;
};
