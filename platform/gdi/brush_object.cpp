#include "platform/gdi/brush_object.h"

bool BrushObject::CreateSolidBrush(COLORREF color) {
    DeleteObject();
    brush_ = ::CreateSolidBrush(color);
    return brush_ != 0;
}

bool BrushObject::DeleteObject() {
    if (brush_ == 0) return false;
    BOOL ok = ::DeleteObject(brush_);
    brush_ = 0;
    return ok != FALSE;
}
