// The base of every window of the model: dialogs, property pages and sheets, and controls.
//
// A window object gets a handle (HWND) in the platform's window table when its window is
// created; messages sent to the handle reach WindowProc, which dispatches them to the virtual
// handlers. A control object can take over an existing control's handle (DataExchange::Control)
// and then receives that control's messages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/ui/control_state.h"
#include "platform/ui/window_constants.h"

struct PAINTSTRUCT {
    HDC hdc = 0;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND GetSafeHwnd() const { return hwnd_; }
    Window* GetParent() const { return parent_; }
    int GetDlgCtrlID() const { return id_; }
    // The direct child with the control id; null when there is none.
    Window* GetDlgItem(int id) const;
    const std::vector<Window*>& Children() const { return children_; }
    // The nearest window up the parent chain that has no parent (this one when it has none).
    Window* TopLevel();

    // Creates a plain window (the framework's own windows use this; dialogs and controls have
    // their own creation). Rect in pixels relative to the parent.
    bool CreateWindowObject(Window* parent, int id, const std::string& text, DWORD style,
                            DWORD exStyle, const RECT& rect);
    // Destroys the window: WM_DESTROY reaches this window first, then its children (their
    // handles are still valid meanwhile); then handles go, children first. Timers go too.
    bool DestroyWindow();

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const { return enabled_; }
    void ShowWindow(int command);
    // This window and all its ancestors are visible.
    bool IsWindowVisible() const;
    bool IsVisibleFlag() const { return visible_; }
    DWORD GetStyle() const { return style_; }
    DWORD GetExStyle() const { return exStyle_; }
    void ModifyStyle(DWORD remove, DWORD add);
    void SetIcon(HICON icon, bool big);
    HICON GetIcon(bool big) const { return big ? bigIcon_ : smallIcon_; }
    // Centres the window on the screen (kScreenWidth x kScreenHeight).
    void CenterWindow();
    // Pixels relative to the parent's client area (the screen for a top-level window).
    RECT PixelRect() const { return rect_; }
    void MoveWindow(const RECT& rect);
    void GetClientRect(RECT* rect) const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Window timers on the platform clock; setting a running id restarts it with the new
    // period. Returns the id (0 without a window).
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    bool KillTimer(UINT_PTR id);

    // Painting: Invalidate marks the client area for repainting; the message loop sends
    // WM_PAINT to visible windows with an update area. UpdateWindow paints at once.
    void Invalidate();
    void InvalidateRect(const RECT* rect);
    void UpdateWindow();
    bool HasUpdate() const { return hasUpdate_; }
    RECT UpdateRect() const { return updateRect_; }
    HDC BeginPaint(PAINTSTRUCT* paint);
    void EndPaint(const PAINTSTRUCT* paint);
    // The window's pixels (client size); what its own painting drew. `Painted()` is true once
    // a paint handler has drawn on it (the front end shows the surface instead of a stock
    // widget).
    const Surface& PaintSurface() const { return surface_; }
    bool Painted() const { return painted_; }

    // The state a front end shows; controls add their own fields.
    virtual ControlState Describe() const;
    virtual ControlKind Kind() const { return ControlKind::Static; }

    // The object's message handler: routes to the virtual handlers below, the rest to
    // DefWindowProc. Overrides handle their own messages and pass the others on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Takes over the window of `native` (same control class): its state, handle and place
    // among its parent's children; `native` is left without a window. False when the classes
    // do not match or this object has a window already.
    virtual bool TakeOver(Window& native);

  protected:
    // Handlers. Command: a control's notification (or a button/menu id) with its code; true
    // when handled. Notify: WM_NOTIFY from a child; the result goes back to the sender.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual LRESULT OnNotify(int id, int code, const NMHDR& header);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual LRESULT OnDeviceChange(UINT event, const BYTE* header);

    // Whether TakeOver(native) may proceed (this has no window, native has one).
    bool CanTakeOver(const Window& native) const {
        return hwnd_ == 0 && native.hwnd_ != 0 && &native != this;
    }
    // Registers the handle and the window state; used by every kind of creation.
    bool AttachNewWindow(Window* parent, int id, const std::string& text, DWORD style,
                         DWORD exStyle, const RECT& rect);
    // Records a change of the shown state for front ends.
    void NotifyChanged();
    // Called when the window's handle has gone (after all children's).
    virtual void OnWindowGone() {}
    void SetTextRaw(const std::string& text) { text_ = text; }
    void SetTextRaw(const char* text) { text_ = text; }
    const std::string& TextRaw() const { return text_; }

    // Releases the handle without messages, children first.
    void ReleaseWindow();

  private:
    friend class WindowManager;
    void SendDestroyMessages();
    void DetachFromParent();
    // Queues the paint of this window and its descendants that have an update area.
    void QueueUpdates();

    HWND hwnd_ = 0;
    std::shared_ptr<Window*> target_;  // the object the handle's messages go to
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    int id_ = -1;
    std::string text_;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool destroying_ = false;
    RECT rect_;
    HICON bigIcon_ = 0;
    HICON smallIcon_ = 0;
    bool hasUpdate_ = false;
    RECT updateRect_;
    Surface surface_;
    bool painted_ = false;
};

// The handheld's screen, for centring top-level windows.
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
