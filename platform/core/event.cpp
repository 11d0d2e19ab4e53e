#include "platform/core/event.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#include "platform/core/handle_table.h"
#include "platform/core/last_error.h"

namespace {

struct EventState {
    std::mutex mutex;
    std::condition_variable changed;
    bool signalled = false;
    bool manualReset = true;
};

class EventObject : public KernelObject {
  public:
    explicit EventObject(std::shared_ptr<EventState> state) : state(std::move(state)) {}
    std::shared_ptr<EventState> state;
};

// Named events live as long as a handle refers to them.
std::mutex g_namesMutex;
std::map<WString, std::weak_ptr<EventState>> g_names;

std::shared_ptr<EventState> FindNamed(const WString& name) {
    auto it = g_names.find(name);
    if (it == g_names.end()) return nullptr;
    auto state = it->second.lock();
    if (!state) g_names.erase(it);
    return state;
}

std::shared_ptr<EventState> StateOf(HANDLE handle) {
    auto object = HandleTable::Instance().Get<EventObject>(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return object->state;
}

}  // namespace

HANDLE CreateEvent(void*, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    std::shared_ptr<EventState> state;
    bool existed = false;
    {
        std::lock_guard lock(g_namesMutex);
        if (name != nullptr && *name != 0) state = FindNamed(name);
        existed = state != nullptr;
        if (!state) {
            state = std::make_shared<EventState>();
            state->manualReset = manualReset != FALSE;
            state->signalled = initialState != FALSE;
            if (name != nullptr && *name != 0) g_names[name] = state;
        }
    }
    HANDLE handle = HandleTable::Instance().Insert(std::make_shared<EventObject>(state));
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

HANDLE OpenEvent(DWORD, BOOL, LPCWSTR name) {
    std::shared_ptr<EventState> state;
    {
        std::lock_guard lock(g_namesMutex);
        if (name != nullptr) state = FindNamed(name);
    }
    if (!state) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    return HandleTable::Instance().Insert(std::make_shared<EventObject>(state));
}

BOOL SetEvent(HANDLE event) {
    auto state = StateOf(event);
    if (!state) return FALSE;
    {
        std::lock_guard lock(state->mutex);
        state->signalled = true;
    }
    state->changed.notify_all();
    return TRUE;
}

BOOL ResetEvent(HANDLE event) {
    auto state = StateOf(event);
    if (!state) return FALSE;
    std::lock_guard lock(state->mutex);
    state->signalled = false;
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    auto state = StateOf(handle);
    if (!state) return WAIT_FAILED;
    std::unique_lock lock(state->mutex);
    auto ready = [&] { return state->signalled; };
    if (milliseconds == INFINITE) {
        state->changed.wait(lock, ready);
    } else if (!state->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready)) {
        return WAIT_TIMEOUT;
    }
    if (!state->manualReset) state->signalled = false;
    return WAIT_OBJECT_0;
}
