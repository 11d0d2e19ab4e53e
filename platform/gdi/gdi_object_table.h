// The drawing objects behind the handles: contexts, bitmaps and brushes.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/surface.h"

class GdiObjectTable {
  public:
    struct Bitmap {
        Surface surface;
        HDC selectedInto = 0;
    };
    struct Brush {
        COLORREF color = 0;
    };
    struct Context {
        Surface* target = nullptr;  // a window's surface, or the selected bitmap's
        HBITMAP bitmap = 0;         // memory contexts: the selected bitmap
        HBRUSH brush = 0;
        bool memory = false;
        RECT clip;  // device coordinates; memory contexts: the bitmap's bounds
        POINT viewportOrg;
        POINT windowOrg;
        COLORREF textColor = 0;
        COLORREF bkColor = 0x00FFFFFF;
        int bkMode = OPAQUE;
    };

    static GdiObjectTable& Instance();

    HGDIOBJ AddBitmap(int width, int height);
    HGDIOBJ AddBrush(COLORREF color);
    HDC AddContext(Context context);
    // The Find calls expect the caller to hold Mutex(): the object stays valid while it does.
    Bitmap* FindBitmap(HGDIOBJ handle);
    Brush* FindBrush(HGDIOBJ handle);
    Context* FindContext(HDC handle);
    bool Remove(HGDIOBJ handle);
    // The 1 x 1 bitmap every memory context starts with; never deleted.
    HBITMAP StockBitmap();
    std::size_t Count() const;
    std::recursive_mutex& Mutex() { return mutex_; }

  private:
    HGDIOBJ NextHandle() { return next_ += 4; }

    mutable std::recursive_mutex mutex_;
    std::map<HGDIOBJ, std::unique_ptr<Bitmap>> bitmaps_;
    std::map<HGDIOBJ, Brush> brushes_;
    std::map<HDC, Context> contexts_;
    // The context found last: painting asks for the same one many times in a row.
    HDC lastContext_ = 0;
    Context* lastContextFound_ = nullptr;
    HGDIOBJ next_ = 0x00400000;
    HBITMAP stock_ = 0;
};
