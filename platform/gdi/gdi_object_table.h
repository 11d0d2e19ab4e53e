// The drawing objects behind the handles: contexts, bitmaps and brushes.
//
// Every member expects the caller to hold Mutex(), taken once per drawing call: the objects
// found stay valid while it does.
#pragma once

#include <map>
#include <memory>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/table_lock.h"

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

    static GdiObjectTable& Instance() {
        static GdiObjectTable table;
        return table;
    }

    HGDIOBJ AddBitmap(int width, int height);
    HGDIOBJ AddBrush(COLORREF color);
    HDC AddContext(Context context);
    Bitmap* FindBitmap(HGDIOBJ handle);
    Brush* FindBrush(HGDIOBJ handle);
    // Painting asks for the same context many times in a row: the last one found is kept.
    Context* FindContext(HDC handle) {
        if (handle == lastContext_ && handle != 0) return lastContextFound_;
        return LookUpContext(handle);
    }
    bool Remove(HGDIOBJ handle);
    // The 1 x 1 bitmap every memory context starts with; never deleted.
    HBITMAP StockBitmap();
    std::size_t Count() const;
    TableLock& Mutex() { return mutex_; }

  private:
    HGDIOBJ NextHandle() { return next_ += 4; }
    Context* LookUpContext(HDC handle);

    TableLock mutex_;
    std::map<HGDIOBJ, std::unique_ptr<Bitmap>> bitmaps_;
    std::map<HGDIOBJ, Brush> brushes_;
    std::map<HDC, Context> contexts_;
    HDC lastContext_ = 0;
    Context* lastContextFound_ = nullptr;
    HGDIOBJ next_ = 0x00400000;
    HBITMAP stock_ = 0;
};
