#include "platform/gdi/device_context.h"

HDC DeviceContext::Detach() {
    HDC hdc = hdc_;
    hdc_ = 0;
    return hdc;
}

bool DeviceContext::CreateCompatibleDC(const DeviceContext* target) {
    hdc_ = ::CreateCompatibleDC(target != nullptr ? target->Handle() : 0);
    return hdc_ != 0;
}

bool DeviceContext::DeleteDC() {
    if (hdc_ == 0) return false;
    BOOL ok = ::DeleteDC(hdc_);
    hdc_ = 0;
    return ok != FALSE;
}

BOOL DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext* source, int sx,
                           int sy, DWORD rop) {
    if (source == nullptr) return FALSE;
    return ::BitBlt(hdc_, x, y, width, height, source->Handle(), sx, sy, rop);
}

POINT DeviceContext::SetViewportOrg(int x, int y) {
    POINT previous;
    SetViewportOrgEx(hdc_, x, y, &previous);
    return previous;
}

POINT DeviceContext::SetWindowOrg(int x, int y) {
    POINT previous;
    SetWindowOrgEx(hdc_, x, y, &previous);
    return previous;
}

int DeviceContext::DrawText(const std::string& text, RECT* rect, UINT format) {
    return ::DrawText(hdc_, text, rect, format);
}
