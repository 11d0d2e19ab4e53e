// Where a script's `file` command leaves its answers for the next open-file dialogs.
#pragma once

#include <optional>
#include <string>

class FileAnswerQueue {
  public:
    virtual ~FileAnswerQueue() = default;
    // A path, or nothing to cancel the dialog.
    virtual void QueueFileAnswer(std::optional<std::string> path) = 0;
};
