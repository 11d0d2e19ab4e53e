#include "platform/ui/window_manager.h"

#include <algorithm>

#include "platform/ui/dialog.h"
#include "platform/ui/property_page.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_host.h"
#include "platform/ui/ui_input.h"

WindowManager& WindowManager::Instance() {
    static WindowManager manager;
    return manager;
}

Window* WindowManager::FromHandle(HWND hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<Window*> WindowManager::TopLevelWindows() const {
    std::vector<Window*> result;
    for (HWND hwnd : order_) {
        Window* window = FromHandle(hwnd);
        if (window != nullptr && window->GetParent() == nullptr) result.push_back(window);
    }
    return result;
}

void WindowManager::PushModal(Dialog* dialog) { modal_.push_back(dialog); }

void WindowManager::PopModal(Dialog* dialog) {
    auto it = std::find(modal_.rbegin(), modal_.rend(), dialog);
    if (it != modal_.rend()) modal_.erase(std::next(it).base());
}

Window* WindowManager::MainWindow() const {
    if (mainWindow_ != nullptr) return mainWindow_;
    return modal_.empty() ? nullptr : modal_.front();
}

Window* WindowManager::FrontWindow() const {
    Window* main = MainWindow();
    if (!modal_.empty() && modal_.back() != main) return modal_.back();
    if (main == nullptr || main->Handle() == 0) return nullptr;
    if (PropertySheet* sheet = FindSheet(*main)) {
        if (PropertyPage* page = sheet->GetActivePage()) return page;
    }
    return main;
}

void WindowManager::BeginWaitCursor() {
    if (waitDepth_++ == 0) CurrentUiHost().WaitCursorChanged(true);
}

void WindowManager::EndWaitCursor() {
    if (waitDepth_ == 0) return;
    if (--waitDepth_ == 0) CurrentUiHost().WaitCursorChanged(false);
}

WindowManager::ChangeObserver WindowManager::SetChangeObserver(ChangeObserver observer) {
    std::swap(observer_, observer);
    return observer;
}

void WindowManager::NotifyChanged(HWND hwnd) {
    ++changes_;
    if (observer_) observer_(hwnd);
}

void WindowManager::Register(HWND hwnd, Window* window) {
    windows_[hwnd] = window;
    order_.push_back(hwnd);
}

void WindowManager::Unregister(HWND hwnd) {
    windows_.erase(hwnd);
    std::erase(order_, hwnd);
}

void WindowManager::Retarget(HWND hwnd, Window* window) {
    auto it = windows_.find(hwnd);
    if (it != windows_.end()) it->second = window;
}

void WindowManager::Forget(const Window* window) {
    if (mainWindow_ == window) mainWindow_ = nullptr;
}

void BeginWaitCursor() { WindowManager::Instance().BeginWaitCursor(); }

void EndWaitCursor() { WindowManager::Instance().EndWaitCursor(); }

void BroadcastDeviceChange(UINT event, const std::vector<BYTE>& header) {
    for (Window* window : WindowManager::Instance().TopLevelWindows()) {
        HWND hwnd = window->Handle();
        // A handler may end windows; each handle is checked before its message.
        if (WindowManager::Instance().FromHandle(hwnd) == nullptr) continue;
        ::SendMessage(hwnd, WM_DEVICECHANGE, event,
                      reinterpret_cast<LPARAM>(header.empty() ? nullptr : header.data()));
    }
}
