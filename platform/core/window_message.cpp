#include "platform/core/window_message.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

// Each procedure is shared so that a message keeps it alive while it runs, even when the
// window is unregistered from inside it; sending then costs a reference, not a copy.
using SharedProc = std::shared_ptr<const WindowProc>;

std::mutex g_mutex;
std::unordered_map<HWND, SharedProc> g_windows;
HWND g_next = 0x00010002;

}  // namespace

HWND RegisterWindowProc(WindowProc proc) {
    auto shared = std::make_shared<const WindowProc>(std::move(proc));
    std::lock_guard lock(g_mutex);
    HWND window = g_next;
    g_next += 2;
    g_windows.emplace(window, std::move(shared));
    return window;
}

void UnregisterWindowProc(HWND window) {
    // Released after the lock: the procedure's captures may unregister other windows.
    SharedProc released;
    std::lock_guard lock(g_mutex);
    auto it = g_windows.find(window);
    if (it == g_windows.end()) return;
    released = std::move(it->second);
    g_windows.erase(it);
}

bool IsWindow(HWND window) {
    std::lock_guard lock(g_mutex);
    return g_windows.contains(window);
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SharedProc proc;
    {
        std::lock_guard lock(g_mutex);
        auto it = g_windows.find(window);
        if (it == g_windows.end()) return 0;
        proc = it->second;
    }
    return (*proc)(message, wParam, lParam);
}
