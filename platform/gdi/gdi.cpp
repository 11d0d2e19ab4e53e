#include "platform/gdi/gdi.h"

#include <map>
#include <mutex>

#include "platform/gdi/gdi_object_table.h"

namespace {

using Context = GdiObjectTable::Context;

GdiObjectTable& Table() { return GdiObjectTable::Instance(); }

// Logical to device coordinates of a context.
RECT ToDevice(const Context& dc, const RECT& rect) {
    return OffsetRectBy(rect, dc.viewportOrg.x - dc.windowOrg.x, dc.viewportOrg.y - dc.windowOrg.y);
}

POINT ToDevice(const Context& dc, int x, int y) {
    return POINT{x + dc.viewportOrg.x - dc.windowOrg.x, y + dc.viewportOrg.y - dc.windowOrg.y};
}

std::map<int, COLORREF>& SysColors() {
    static std::map<int, COLORREF> colors{{COLOR_WINDOW, 0x00FFFFFF},
                                          {COLOR_WINDOWTEXT, 0x00000000},
                                          {COLOR_BTNFACE, 0x00C0C0C0},
                                          {COLOR_BTNTEXT, 0x00000000}};
    return colors;
}

}  // namespace

HDC CreateSurfaceDC(Surface& surface, const RECT& clip) {
    std::lock_guard lock(Table().Mutex());
    Context dc;
    dc.target = &surface;
    dc.clip = IntersectRects(clip, surface.Bounds());
    return Table().AddContext(dc);
}

HDC CreateCompatibleDC(HDC hdc) {
    std::lock_guard lock(Table().Mutex());
    if (hdc != 0 && Table().FindContext(hdc) == nullptr) return 0;
    HBITMAP stock = Table().StockBitmap();
    Context dc;
    dc.memory = true;
    dc.bitmap = stock;
    dc.target = &Table().FindBitmap(stock)->surface;
    dc.clip = dc.target->Bounds();
    return Table().AddContext(dc);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    std::lock_guard lock(Table().Mutex());
    if (width <= 0 || height <= 0) return 0;
    if (hdc != 0 && Table().FindContext(hdc) == nullptr) return 0;
    return Table().AddBitmap(width, height);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    std::lock_guard lock(Table().Mutex());
    return Table().AddBrush(color);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr) return HGDI_ERROR;
    if (Table().FindBrush(object) != nullptr) {
        HGDIOBJ previous = dc->brush;
        dc->brush = object;
        return previous;
    }
    GdiObjectTable::Bitmap* bitmap = Table().FindBitmap(object);
    if (bitmap == nullptr || !dc->memory) return HGDI_ERROR;
    if (bitmap->selectedInto != 0 && bitmap->selectedInto != hdc && object != Table().StockBitmap())
        return HGDI_ERROR;
    HBITMAP previous = dc->bitmap;
    if (GdiObjectTable::Bitmap* old = Table().FindBitmap(previous)) old->selectedInto = 0;
    bitmap->selectedInto = hdc;
    dc->bitmap = object;
    dc->target = &bitmap->surface;
    dc->clip = bitmap->surface.Bounds();
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    std::lock_guard lock(Table().Mutex());
    GdiObjectTable::Bitmap* bitmap = Table().FindBitmap(object);
    if (bitmap != nullptr && bitmap->selectedInto != 0) return FALSE;
    if (Table().FindContext(object) != nullptr) return FALSE;
    return Table().Remove(object) ? TRUE : FALSE;
}

BOOL DeleteDC(HDC hdc) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr) return FALSE;
    if (GdiObjectTable::Bitmap* bitmap = Table().FindBitmap(dc->bitmap)) bitmap->selectedInto = 0;
    return Table().Remove(hdc) ? TRUE : FALSE;
}

int GetClipBox(HDC hdc, RECT* rect) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr || rect == nullptr) return 0;
    *rect = OffsetRectBy(dc->clip, dc->windowOrg.x - dc->viewportOrg.x,
                         dc->windowOrg.y - dc->viewportOrg.y);
    return dc->clip.IsEmpty() ? 1 : 2;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    GdiObjectTable::Brush* b = Table().FindBrush(brush);
    if (dc == nullptr || b == nullptr || rect == nullptr) return 0;
    dc->target->Fill(IntersectRects(ToDevice(*dc, *rect), dc->clip), b->color);
    return 1;
}

BOOL ExtTextOut(HDC hdc, int, int, UINT options, const RECT* rect, const char*, UINT count,
                const int*) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr || count != 0) return FALSE;
    if ((options & ETO_OPAQUE) != 0 && rect != nullptr) {
        dc->target->Fill(IntersectRects(ToDevice(*dc, *rect), dc->clip), dc->bkColor);
    }
    return TRUE;
}

BOOL FillOpaque(HDC hdc, const RECT* rect, COLORREF color) {
    GdiObjectTable& table = Table();
    std::lock_guard lock(table.Mutex());
    Context* dc = table.FindContext(hdc);
    if (dc == nullptr) return FALSE;
    if (rect != nullptr) dc->target->Fill(IntersectRects(ToDevice(*dc, *rect), dc->clip), color);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    std::lock_guard lock(Table().Mutex());
    Context* to = Table().FindContext(dest);
    Context* from = Table().FindContext(source);
    if (to == nullptr || from == nullptr || rop != SRCCOPY || width < 0 || height < 0) return FALSE;
    POINT d = ToDevice(*to, x, y);
    POINT s = ToDevice(*from, sx, sy);
    // Only what lies inside the source's clip can be read.
    RECT readable = IntersectRects(RECT{s.x, s.y, s.x + width, s.y + height}, from->clip);
    RECT clip = IntersectRects(OffsetRectBy(readable, d.x - s.x, d.y - s.y), to->clip);
    to->target->CopyFrom(*from->target, s.x, s.y, width, height, d.x, d.y, clip);
    return TRUE;
}

namespace {

BOOL SetOrigin(HDC hdc, int x, int y, POINT* previous, POINT Context::*origin) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = dc->*origin;
    dc->*origin = POINT{x, y};
    return TRUE;
}

}  // namespace

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, x, y, previous, &Context::viewportOrg);
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, x, y, previous, &Context::windowOrg);
}

namespace {

// Replaces one colour of a context; the previous colour, or CLR_INVALID for an unknown context.
COLORREF SwapColor(HDC hdc, COLORREF Context::*field, COLORREF color) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr) return 0xFFFFFFFFu;
    std::swap(dc->*field, color);
    return color;
}

}  // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return SwapColor(hdc, &Context::textColor, color);
}

COLORREF SetBkColor(HDC hdc, COLORREF color) { return SwapColor(hdc, &Context::bkColor, color); }

int SetBkMode(HDC hdc, int mode) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    std::swap(dc->bkMode, mode);
    return mode;
}

int DrawText(HDC hdc, const std::string& text, const RECT* rect, UINT format) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    if (dc == nullptr || rect == nullptr) return 0;
    TextDrawing drawing{text,       ToDevice(*dc, *rect), dc->clip, dc->textColor,
                        dc->bkMode, dc->bkColor,          format};
    dc->target->AddText(std::move(drawing));
    return kSystemFontHeight;
}

COLORREF GetSysColor(int index) {
    auto it = SysColors().find(index);
    return it == SysColors().end() ? 0 : it->second;
}

void SetSysColor(int index, COLORREF color) { SysColors()[index] = color; }

Surface* SurfaceOfDC(HDC hdc) {
    std::lock_guard lock(Table().Mutex());
    Context* dc = Table().FindContext(hdc);
    return dc == nullptr ? nullptr : dc->target;
}

Surface* SurfaceOfBitmap(HBITMAP bitmap) {
    std::lock_guard lock(Table().Mutex());
    GdiObjectTable::Bitmap* b = Table().FindBitmap(bitmap);
    return b == nullptr ? nullptr : &b->surface;
}

std::size_t LiveGdiObjectCount() {
    std::lock_guard lock(Table().Mutex());
    return Table().Count();
}

int TextWidth(const std::string& text) {
    int characters = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++characters;  // count UTF-8 lead bytes only
    }
    return characters * kSystemFontAverageWidth;
}
