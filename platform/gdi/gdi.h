// The graphics interface of the handheld OS: device contexts, bitmaps, solid brushes, rectangle
// fills, block copy and recorded text drawing, all on 32-bit surfaces.
//
// Coordinates given to a device context are logical: device = logical - window origin +
// viewport origin. The clip box is kept in device coordinates and reported in logical ones.
#pragma once

#include <string>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/surface.h"

// A device context that draws on `surface` (not owned; it must outlive the context), clipped
// to `clip` (surface coordinates). The window system uses it for paint contexts.
HDC CreateSurfaceDC(Surface& surface, const RECT& clip);

// A memory context compatible with `hdc` (0 is allowed), with a 1 x 1 stock bitmap selected.
HDC CreateCompatibleDC(HDC hdc);
// A bitmap of the given size (black); 0 for a non-positive size or an unknown context.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBRUSH CreateSolidBrush(COLORREF color);
// Selects a bitmap into a memory context and returns the one selected before; a brush is
// accepted and its predecessor returned. HGDI_ERROR for anything else.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// Deletes a bitmap or a brush. A bitmap still selected into a context is not deleted (FALSE).
BOOL DeleteObject(HGDIOBJ object);
BOOL DeleteDC(HDC hdc);

// Writes the clip box (logical coordinates) and returns a region kind: 1 (NULLREGION) when
// empty, 2 (SIMPLEREGION) otherwise, 0 on error.
int GetClipBox(HDC hdc, RECT* rect);
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF SetBkColor(HDC hdc, COLORREF color);
int SetBkMode(HDC hdc, int mode);
// With ETO_OPAQUE, fills the rectangle with the background colour (no brush involved). Only
// the fill is supported: text (count > 0) fails.
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                const int* dx);
// What SetBkColor(color), an opaque empty ExtTextOut and SetBkColor back do, in one call:
// the rectangle filled with the colour, the context's background colour unchanged.
BOOL FillOpaque(HDC hdc, const RECT* rect, COLORREF color);
// Records the text on the context's surface; returns the text height (0 on error).
int DrawText(HDC hdc, const std::string& text, const RECT* rect, UINT format);

// System colours: COLOR_BTNFACE is 0x00C0C0C0 (light grey), COLOR_WINDOW white, the text
// colours black.
COLORREF GetSysColor(int index);
// Overrides a system colour (a front end or test may set the theme's button face).
void SetSysColor(int index, COLORREF color);

// The surface a context draws on (the selected bitmap's for a memory context); null for an
// unknown context. For front ends and tests.
Surface* SurfaceOfDC(HDC hdc);
Surface* SurfaceOfBitmap(HBITMAP bitmap);
// Number of live drawing objects (contexts, bitmaps, brushes): tests check for leaks with it.
std::size_t LiveGdiObjectCount();

// Height of a line of text in the system font, in pixels, and the width the window system
// measures for a text (average character width per character).
constexpr int kSystemFontHeight = 12;
constexpr int kSystemFontAverageWidth = 6;
int TextWidth(const std::string& text);
