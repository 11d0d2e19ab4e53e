#include "platform/gdi/bitmap_object.h"

bool BitmapObject::CreateCompatibleBitmap(const DeviceContext* dc, int width, int height) {
    DeleteObject();
    bitmap_ = ::CreateCompatibleBitmap(dc != nullptr ? dc->Handle() : 0, width, height);
    return bitmap_ != 0;
}

bool BitmapObject::DeleteObject() {
    if (bitmap_ == 0) return false;
    BOOL ok = ::DeleteObject(bitmap_);
    bitmap_ = 0;
    return ok != FALSE;
}
