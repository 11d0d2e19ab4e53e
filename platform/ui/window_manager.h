// The window system's bookkeeping: which object a handle belongs to, the top-level windows,
// the stack of modal dialogs, the application's main window, the busy cursor and the change
// counter that front ends watch.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/ui/window_constants.h"

class Window;
class Dialog;

class WindowManager {
  public:
    static WindowManager& Instance();

    // The object that receives the handle's messages; null for an unknown handle.
    Window* FromHandle(HWND hwnd) const;
    // Top-level windows (no parent) in creation order.
    std::vector<Window*> TopLevelWindows() const;

    // Modal dialogs, innermost last.
    const std::vector<Dialog*>& ModalStack() const { return modal_; }
    void PushModal(Dialog* dialog);
    void PopModal(Dialog* dialog);

    // The application's main window; when none is set, the outermost modal dialog.
    void SetMainWindow(Window* window) { mainWindow_ = window; }
    Window* MainWindow() const;
    // Where the user's input goes: the innermost modal dialog above the main window, else the
    // active page of the main window's property sheet, else the main window.
    Window* FrontWindow() const;

    // Busy cursor: counted; the host hears of each change between idle and busy.
    void BeginWaitCursor();
    void EndWaitCursor();
    bool IsWaitCursorShown() const { return waitDepth_ > 0; }

    // Every change of what a window shows (text, state, items, visibility, creation,
    // destruction) bumps the counter and calls the observer with the window's handle.
    unsigned long long ChangeCount() const { return changes_; }
    using ChangeObserver = std::function<void(HWND)>;
    ChangeObserver SetChangeObserver(ChangeObserver observer);
    void NotifyChanged(HWND hwnd);

    // Called by Window as handles come and go.
    void Register(HWND hwnd, Window* window);
    void Unregister(HWND hwnd);
    void Retarget(HWND hwnd, Window* window);
    // Called when a window object goes: it stops being the main window.
    void Forget(const Window* window);

  private:
    std::map<HWND, Window*> windows_;
    std::vector<HWND> order_;
    std::vector<Dialog*> modal_;
    Window* mainWindow_ = nullptr;
    int waitDepth_ = 0;
    unsigned long long changes_ = 0;
    ChangeObserver observer_;
};

// The busy cursor of the framework's command targets.
void BeginWaitCursor();
void EndWaitCursor();

// Sends WM_DEVICECHANGE (event, header) to every top-level window, as the OS broadcasts
// device notifications. The header is the broadcast record (size, device type, reserved, then
// the device name for a port device).
void BroadcastDeviceChange(UINT event, const std::vector<BYTE>& header);
