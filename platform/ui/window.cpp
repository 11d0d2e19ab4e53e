#include "platform/ui/window.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/message_queue.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window_manager.h"

Window::~Window() {
    if (hwnd_ != 0) ReleaseWindow();
    WindowManager::Instance().Forget(this);
}

Window* Window::GetDlgItem(int id) const {
    for (Window* child : children_) {
        if (child->id_ == id) return child;
    }
    return nullptr;
}

Window* Window::TopLevel() {
    Window* window = this;
    while (window->parent_ != nullptr) window = window->parent_;
    return window;
}

bool Window::CreateWindowObject(Window* parent, int id, const std::string& text, DWORD style,
                                DWORD exStyle, const RECT& rect) {
    return AttachNewWindow(parent, id, text, style, exStyle, rect);
}

bool Window::AttachNewWindow(Window* parent, int id, const std::string& text, DWORD style,
                             DWORD exStyle, const RECT& rect) {
    if (hwnd_ != 0 || (parent != nullptr && parent->hwnd_ == 0)) return false;
    target_ = std::make_shared<Window*>(this);
    hwnd_ = RegisterWindowProc([target = target_](UINT message, WPARAM wParam, LPARAM lParam) {
        Window* window = *target;
        return window != nullptr ? window->WindowProc(message, wParam, lParam) : 0;
    });
    parent_ = parent;
    if (parent != nullptr) parent->children_.push_back(this);
    id_ = id;
    text_ = text;
    style_ = style;
    exStyle_ = exStyle;
    enabled_ = (style & WS_DISABLED) == 0;
    visible_ = (style & WS_VISIBLE) != 0;
    rect_ = rect;
    surface_ = Surface();
    painted_ = false;
    hasUpdate_ = false;
    WindowManager::Instance().Register(hwnd_, this);
    NotifyChanged();
    return true;
}

bool Window::DestroyWindow() {
    if (hwnd_ == 0 || destroying_) return false;
    SendDestroyMessages();
    if (hwnd_ != 0) ReleaseWindow();
    return true;
}

void Window::SendDestroyMessages() {
    destroying_ = true;
    ::SendMessage(hwnd_, WM_DESTROY, 0, 0);
    std::vector<Window*> children = children_;
    for (Window* child : children) {
        // A handler may have released a sibling meanwhile.
        if (child->hwnd_ != 0 && child->parent_ == this && !child->destroying_)
            child->SendDestroyMessages();
    }
}

void Window::ReleaseWindow() {
    std::vector<Window*> children = children_;
    for (Window* child : children) {
        if (child->hwnd_ != 0 && child->parent_ == this) child->ReleaseWindow();
    }
    HWND old = hwnd_;
    TimerTable::Instance().KillAll(old);
    WindowManager::Instance().Unregister(old);
    UnregisterWindowProc(old);
    if (target_) *target_ = nullptr;
    target_.reset();
    DetachFromParent();
    children_.clear();
    hwnd_ = 0;
    destroying_ = false;
    hasUpdate_ = false;
    WindowManager::Instance().NotifyChanged(old);
    OnWindowGone();
}

void Window::DetachFromParent() {
    if (parent_ != nullptr) std::erase(parent_->children_, this);
    parent_ = nullptr;
}

void Window::SetWindowText(const std::string& text) {
    if (hwnd_ == 0) {
        text_ = text;
        return;
    }
    ::SendMessage(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Window::GetWindowText() const { return text_; }

void Window::EnableWindow(bool enable) {
    if (enabled_ == enable) return;
    enabled_ = enable;
    style_ = enable ? (style_ & ~WS_DISABLED) : (style_ | WS_DISABLED);
    NotifyChanged();
}

void Window::ShowWindow(int command) {
    bool show = command != SW_HIDE;
    if (visible_ == show) return;
    visible_ = show;
    style_ = show ? (style_ | WS_VISIBLE) : (style_ & ~WS_VISIBLE);
    NotifyChanged();
    if (!show) return;
    // What was covered shows again: this window and its descendants repaint.
    std::vector<Window*> pending{this};
    while (!pending.empty()) {
        Window* window = pending.back();
        pending.pop_back();
        window->Invalidate();
        pending.insert(pending.end(), window->children_.begin(), window->children_.end());
    }
}

bool Window::IsWindowVisible() const {
    for (const Window* window = this; window != nullptr; window = window->parent_) {
        if (window->hwnd_ == 0 || !window->visible_) return false;
    }
    return true;
}

void Window::ModifyStyle(DWORD remove, DWORD add) {
    DWORD style = (style_ & ~remove) | add;
    if (style == style_) return;
    const bool shown = !visible_ && (style & WS_VISIBLE) != 0;
    style_ = style;
    enabled_ = (style & WS_DISABLED) == 0;
    visible_ = (style & WS_VISIBLE) != 0;
    NotifyChanged();
    if (shown) QueueUpdates();
}

void Window::QueueUpdates() {
    if (hasUpdate_) MessageQueue::Instance().AddPaint(hwnd_);
    for (Window* child : children_) child->QueueUpdates();
}

void Window::SetIcon(HICON icon, bool big) {
    (big ? bigIcon_ : smallIcon_) = icon;
    NotifyChanged();
}

void Window::CenterWindow() {
    RECT area{0, 0, kScreenWidth, kScreenHeight};
    if (parent_ != nullptr) parent_->GetClientRect(&area);
    int x = (area.Width() - rect_.Width()) / 2;
    int y = (area.Height() - rect_.Height()) / 2;
    MoveWindow(RECT{x, y, x + rect_.Width(), y + rect_.Height()});
}

void Window::MoveWindow(const RECT& rect) {
    if (rect == rect_) return;
    rect_ = rect;
    NotifyChanged();
    Invalidate();
}

void Window::GetClientRect(RECT* rect) const {
    if (rect != nullptr) *rect = RECT{0, 0, rect_.Width(), rect_.Height()};
}

LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(hwnd_, message, wParam, lParam);
}

bool Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(hwnd_, message, wParam, lParam);
}

UINT_PTR Window::SetTimer(UINT_PTR id, UINT elapseMs) {
    if (hwnd_ == 0) return 0;
    TimerTable::Instance().Set(hwnd_, id, elapseMs);
    return id;
}

bool Window::KillTimer(UINT_PTR id) { return hwnd_ != 0 && TimerTable::Instance().Kill(hwnd_, id); }

void Window::Invalidate() { InvalidateRect(nullptr); }

void Window::InvalidateRect(const RECT* rect) {
    if (hwnd_ == 0) return;
    RECT client;
    GetClientRect(&client);
    RECT area = rect != nullptr ? IntersectRects(*rect, client) : client;
    if (hasUpdate_) {
        area = RECT{std::min(area.left, updateRect_.left), std::min(area.top, updateRect_.top),
                    std::max(area.right, updateRect_.right),
                    std::max(area.bottom, updateRect_.bottom)};
    }
    updateRect_ = area;
    hasUpdate_ = true;
    MessageQueue::Instance().AddPaint(hwnd_);
}

void Window::UpdateWindow() {
    if (hasUpdate_ && IsWindowVisible()) ::SendMessage(hwnd_, WM_PAINT, 0, 0);
}

HDC Window::BeginPaint(PAINTSTRUCT* paint) {
    if (hwnd_ == 0 || paint == nullptr) return 0;
    RECT client;
    GetClientRect(&client);
    if (surface_.Width() != client.right || surface_.Height() != client.bottom)
        surface_.Reset(client.right, client.bottom, GetSysColor(COLOR_BTNFACE));
    RECT area = hasUpdate_ ? updateRect_ : client;
    surface_.ClearTextsIn(area);
    paint->hdc = CreateSurfaceDC(surface_, area);
    paint->fErase = FALSE;
    paint->rcPaint = area;
    hasUpdate_ = false;
    painted_ = true;
    return paint->hdc;
}

void Window::EndPaint(const PAINTSTRUCT* paint) {
    if (paint != nullptr) DeleteDC(paint->hdc);
    NotifyChanged();
}

ControlState Window::Describe() const {
    ControlState state;
    state.kind = Kind();
    state.hwnd = hwnd_;
    state.id = id_;
    state.text = text_;
    state.style = style_;
    state.enabled = enabled_;
    state.visible = visible_;
    state.rect = rect_;
    return state;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), static_cast<HWND>(lParam))) return 0;
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header == nullptr) return 0;
            return OnNotify(static_cast<int>(header->idFrom), static_cast<int>(header->code),
                            *header);
        }
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_DEVICECHANGE:
            return OnDeviceChange(static_cast<UINT>(wParam), reinterpret_cast<const BYTE*>(lParam));
        default:
            break;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            text_ = text != nullptr ? text : "";
            NotifyChanged();
            return TRUE;
        }
        case WM_GETTEXT: {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || wParam == 0) return 0;
            std::size_t count = std::min<std::size_t>(text_.size(), wParam - 1);
            std::memcpy(buffer, text_.data(), count);
            buffer[count] = '\0';
            return static_cast<LRESULT>(count);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(text_.size());
        case WM_SETICON: {
            HICON previous = GetIcon(wParam == ICON_BIG);
            SetIcon(static_cast<HICON>(lParam), wParam == ICON_BIG);
            return previous;
        }
        case WM_PAINT:
            hasUpdate_ = false;
            return 0;
        default:
            return 0;
    }
}

bool Window::TakeOver(Window& native) {
    if (hwnd_ != 0 || native.hwnd_ == 0 || &native == this) return false;
    hwnd_ = native.hwnd_;
    target_ = std::move(native.target_);
    *target_ = this;
    parent_ = native.parent_;
    if (parent_ != nullptr)
        std::replace(parent_->children_.begin(), parent_->children_.end(), &native, this);
    children_ = std::move(native.children_);
    for (Window* child : children_) child->parent_ = this;
    id_ = native.id_;
    text_ = native.text_;
    style_ = native.style_;
    exStyle_ = native.exStyle_;
    enabled_ = native.enabled_;
    visible_ = native.visible_;
    rect_ = native.rect_;
    bigIcon_ = native.bigIcon_;
    smallIcon_ = native.smallIcon_;
    hasUpdate_ = native.hasUpdate_;
    updateRect_ = native.updateRect_;
    surface_ = std::move(native.surface_);
    painted_ = native.painted_;
    WindowManager::Instance().Retarget(hwnd_, this);
    native.hwnd_ = 0;
    native.parent_ = nullptr;
    native.children_.clear();
    return true;
}

bool Window::OnCommand(int, int, HWND) { return false; }

LRESULT Window::OnNotify(int, int, const NMHDR&) { return 0; }

void Window::OnTimer(UINT_PTR) {}

void Window::OnDestroy() {}

void Window::OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }

LRESULT Window::OnDeviceChange(UINT, const BYTE*) { return 0; }

void Window::NotifyChanged() {
    if (hwnd_ != 0) WindowManager::Instance().NotifyChanged(hwnd_);
}
