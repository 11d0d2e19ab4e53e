// A solid brush that deletes its handle when it goes.
#pragma once

#include "platform/gdi/gdi.h"

// A solid brush owning its handle.
class BrushObject {
  public:
    BrushObject() = default;
    explicit BrushObject(COLORREF color) { CreateSolidBrush(color); }
    ~BrushObject() { DeleteObject(); }
    BrushObject(const BrushObject&) = delete;
    BrushObject& operator=(const BrushObject&) = delete;

    bool CreateSolidBrush(COLORREF color);
    bool DeleteObject();
    HBRUSH Handle() const { return brush_; }

  private:
    HBRUSH brush_ = 0;
};
