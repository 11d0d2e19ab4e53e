#include "sim/pending_completer.h"

PendingCompleter::~PendingCompleter() { Stop(); }

bool PendingCompleter::Post(std::function<void()> completion) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return false;
        queue_.emplace_back(Clock::now() + delay_, std::move(completion));
        if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
    return true;
}

void PendingCompleter::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

std::size_t PendingCompleter::Queued() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

void PendingCompleter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (queue_.empty()) {
            if (stopping_) return;
            changed_.wait(lock);
            continue;
        }
        auto due = queue_.front().first;
        if (!stopping_ && Clock::now() < due) {
            changed_.wait_until(lock, due);
            continue;
        }
        auto completion = std::move(queue_.front().second);
        queue_.pop_front();
        lock.unlock();
        completion();
        lock.lock();
    }
}
