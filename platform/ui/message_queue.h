// Posted messages and pending paints: what the message loop delivers besides timers.
#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "platform/ui/window_constants.h"

class MessageQueue {
  public:
    static MessageQueue& Instance();

    bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Delivers the messages posted before the call (those posted meanwhile wait for the next
    // call); messages for windows that are gone are dropped. Returns how many were delivered.
    int DeliverPosted();
    bool HasPosted() const;

    // Windows with an update area, in the order they were invalidated.
    void AddPaint(HWND hwnd);
    // Sends WM_PAINT to each visible window with an update area. Returns how many.
    int DeliverPaints();
    void Clear();

  private:
    struct Posted {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    mutable std::mutex mutex_;
    std::deque<Posted> posted_;
    std::vector<HWND> paints_;
};

// Queues a message for the window; false for an unknown window.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
