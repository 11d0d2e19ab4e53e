// A bitmap that deletes its handle when it goes.
#pragma once

#include "platform/gdi/device_context.h"

// A bitmap object owning its handle.
class BitmapObject {
  public:
    BitmapObject() = default;
    ~BitmapObject() { DeleteObject(); }
    BitmapObject(const BitmapObject&) = delete;
    BitmapObject& operator=(const BitmapObject&) = delete;

    bool CreateCompatibleBitmap(const DeviceContext* dc, int width, int height);
    bool DeleteObject();
    HBITMAP Handle() const { return bitmap_; }

  private:
    HBITMAP bitmap_ = 0;
};
