#include "platform/ui/message_queue.h"

#include <algorithm>

#include "platform/ui/window.h"
#include "platform/ui/window_manager.h"

MessageQueue& MessageQueue::Instance() {
    static MessageQueue queue;
    return queue;
}

bool MessageQueue::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hwnd)) return false;
    std::lock_guard lock(mutex_);
    posted_.push_back(Posted{hwnd, message, wParam, lParam});
    return true;
}

int MessageQueue::DeliverPosted() {
    std::unique_lock lock(mutex_);
    // An empty queue is the usual case: no batch (a deque allocates even when empty).
    if (posted_.empty()) return 0;
    std::deque<Posted> batch;
    batch.swap(posted_);
    lock.unlock();
    int delivered = 0;
    for (const Posted& m : batch) {
        if (!IsWindow(m.hwnd)) continue;
        ::SendMessage(m.hwnd, m.message, m.wParam, m.lParam);
        ++delivered;
    }
    return delivered;
}

bool MessageQueue::HasPosted() const {
    std::lock_guard lock(mutex_);
    return !posted_.empty();
}

void MessageQueue::AddPaint(HWND hwnd) {
    std::lock_guard lock(mutex_);
    if (std::find(paints_.begin(), paints_.end(), hwnd) == paints_.end()) paints_.push_back(hwnd);
}

// A hidden window keeps its update area but leaves the queue: showing it queues it again.
int MessageQueue::DeliverPaints() {
    std::vector<HWND> pending;
    {
        std::lock_guard lock(mutex_);
        if (paints_.empty()) return 0;
        pending.swap(paints_);
    }
    int delivered = 0;
    for (HWND hwnd : pending) {
        Window* window = WindowManager::Instance().FromHandle(hwnd);
        if (window == nullptr || !window->HasUpdate() || !window->IsWindowVisible()) continue;
        ::SendMessage(hwnd, WM_PAINT, 0, 0);
        ++delivered;
    }
    return delivered;
}

void MessageQueue::Clear() {
    std::lock_guard lock(mutex_);
    posted_.clear();
    paints_.clear();
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MessageQueue::Instance().Post(hwnd, message, wParam, lParam);
}
