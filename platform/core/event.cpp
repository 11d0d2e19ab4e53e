#include "platform/core/event.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"
#include "platform/core/spin.h"

namespace {

// One event; every handle to it refers to this same object. A named event is listed in the
// name table while handles refer to it: the last handle's close removes the name, so the
// table holds only live names and a later create makes a fresh event.
class EventObject final : public KernelObject {
  public:
    EventObject(bool manualReset, bool signalled, std::u16string_view name)
        : signalled(signalled), manualReset(manualReset) {
        if (name.size() <= shortName_.size()) {
            std::copy(name.begin(), name.end(), shortName_.begin());
            shortLength_ = name.size();
        } else {
            longName_ = name;
        }
    }
    void OnClose() override;
    // Request event names fit the object itself, so creating one allocates only the object.
    std::u16string_view Name() const {
        return longName_.empty() ? std::u16string_view{shortName_.data(), shortLength_}
                                 : std::u16string_view{longName_};
    }

    std::size_t handles = 0;  // guarded by g_namesMutex (named events only)
    std::mutex mutex;
    std::condition_variable changed;
    // Written under `mutex`; read without it while a waiter spins.
    std::atomic<bool> signalled;
    bool manualReset;

  private:
    std::array<char16_t, 32> shortName_{};
    std::size_t shortLength_ = 0;
    WString longName_;
};

std::mutex g_namesMutex;
// The live named events; few at a time (one per request in flight), so a scan is quickest.
std::vector<std::shared_ptr<EventObject>> g_names;

void EventObject::OnClose() {
    if (Name().empty()) return;
    std::lock_guard lock(g_namesMutex);
    if (--handles != 0) return;
    auto it = std::find_if(g_names.begin(), g_names.end(),
                           [this](const auto& named) { return named.get() == this; });
    if (it == g_names.end()) return;
    *it = std::move(g_names.back());
    g_names.pop_back();
}

std::shared_ptr<EventObject> FindNamed(std::u16string_view name) {
    for (const auto& event : g_names) {
        if (event->Name() == name) return event;
    }
    return nullptr;
}

std::u16string_view NameOf(LPCWSTR name) {
    return name == nullptr ? std::u16string_view{} : std::u16string_view{name};
}

std::function<void(std::u16string_view)> g_observer;

std::shared_ptr<EventObject> EventOf(HANDLE handle) {
    auto object = HandleTable::Instance().Get<EventObject>(handle);
    if (!object) SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace

HANDLE CreateEvent(void*, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    const std::u16string_view key = NameOf(name);
    std::shared_ptr<EventObject> event;
    bool existed = false;
    {
        std::lock_guard lock(g_namesMutex);
        if (!key.empty()) event = FindNamed(key);
        existed = event != nullptr;
        if (!event) {
            event = std::make_shared<EventObject>(manualReset != FALSE, initialState != FALSE, key);
            if (!key.empty()) g_names.push_back(event);
        }
        ++event->handles;
    }
    HANDLE handle = HandleTable::Instance().Insert(event);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

HANDLE OpenEvent(DWORD, BOOL, LPCWSTR name) {
    std::shared_ptr<EventObject> event;
    {
        std::lock_guard lock(g_namesMutex);
        const std::u16string_view key = NameOf(name);
        if (!key.empty()) event = FindNamed(key);
        if (event) ++event->handles;
    }
    if (!event) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    return HandleTable::Instance().Insert(event);
}

void SetNamedEventObserver(std::function<void(std::u16string_view name)> observer) {
    g_observer = std::move(observer);
}

std::size_t NamedEventCount() {
    std::lock_guard lock(g_namesMutex);
    return g_names.size();
}

BOOL SetEvent(HANDLE handle) {
    auto event = EventOf(handle);
    if (!event) return FALSE;
    // Before the signal: a waiter may free what the observer looks at once it wakes.
    if (g_observer && !event->Name().empty()) g_observer(event->Name());
    {
        std::lock_guard lock(event->mutex);
        event->signalled = true;
    }
    event->changed.notify_all();
    return TRUE;
}

BOOL ResetEvent(HANDLE handle) {
    auto event = EventOf(handle);
    if (!event) return FALSE;
    std::lock_guard lock(event->mutex);
    event->signalled = false;
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    auto event = EventOf(handle);
    if (!event) return WAIT_FAILED;
    // A signal from another thread often comes within microseconds: watch for it first.
    if (milliseconds != 0) {
        SpinWhile([&] { return !event->signalled.load(std::memory_order_acquire); });
    }
    std::unique_lock lock(event->mutex);
    auto ready = [&] { return event->signalled.load(); };
    if (milliseconds == INFINITE) {
        event->changed.wait(lock, ready);
    } else if (!event->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready)) {
        return WAIT_TIMEOUT;
    }
    if (!event->manualReset) event->signalled = false;
    return WAIT_OBJECT_0;
}
