#include "platform/core/window_message.h"

#include <map>
#include <mutex>

namespace {

std::recursive_mutex g_mutex;
std::map<HWND, WindowProc> g_windows;
HWND g_next = 0x00010002;

}  // namespace

HWND RegisterWindowProc(WindowProc proc) {
    std::lock_guard lock(g_mutex);
    HWND window = g_next;
    g_next += 2;
    g_windows[window] = std::move(proc);
    return window;
}

void UnregisterWindowProc(HWND window) {
    std::lock_guard lock(g_mutex);
    g_windows.erase(window);
}

bool IsWindow(HWND window) {
    std::lock_guard lock(g_mutex);
    return g_windows.count(window) != 0;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowProc proc;
    {
        std::lock_guard lock(g_mutex);
        auto it = g_windows.find(window);
        if (it == g_windows.end()) return 0;
        proc = it->second;
    }
    return proc(message, wParam, lParam);
}
