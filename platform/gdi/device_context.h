// A device-context object around a context handle: the framework class a control's painting
// (and an off-screen surface derived from it) works with.
#pragma once

#include <string>

#include "platform/gdi/gdi.h"

class DeviceContext {
  public:
    DeviceContext() = default;
    explicit DeviceContext(HDC hdc) : hdc_(hdc) {}
    virtual ~DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    HDC Handle() const { return hdc_; }
    // Takes a handle (not deleted by this object) and returns the one held before.
    void Attach(HDC hdc) { hdc_ = hdc; }
    HDC Detach();
    // Makes this a memory context compatible with `target` (deleted with DeleteDC()).
    bool CreateCompatibleDC(const DeviceContext* target);
    bool DeleteDC();

    int GetClipBox(RECT* rect) const { return ::GetClipBox(hdc_, rect); }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(hdc_, object); }
    void FillRect(const RECT* rect, HBRUSH brush) { ::FillRect(hdc_, rect, brush); }
    // An opaque empty text output in the colour, the background colour kept: no brush needed.
    void FillSolidRect(const RECT* rect, COLORREF color) { ::FillOpaque(hdc_, rect, color); }
    BOOL BitBlt(int x, int y, int width, int height, const DeviceContext* source, int sx, int sy,
                DWORD rop);
    POINT SetViewportOrg(int x, int y);
    POINT SetWindowOrg(int x, int y);
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(hdc_, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(hdc_, color); }
    int SetBkMode(int mode) { return ::SetBkMode(hdc_, mode); }
    int DrawText(const std::string& text, RECT* rect, UINT format);

  protected:
    HDC hdc_ = 0;
};
