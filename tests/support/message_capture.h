// Message boxes shown while the capture lives, by text, answered with OK. For tests without a
// UI host: installing one sends message boxes to the host instead.
#pragma once

#include <string>
#include <vector>

#include "platform/core/message_box.h"

class MessageCapture {
  public:
    MessageCapture() {
        SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~MessageCapture() { SetMessageBoxHandler(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> texts;
};
