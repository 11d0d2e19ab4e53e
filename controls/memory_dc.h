// An off-screen drawing surface over a target context, for flicker-free painting: drawing goes
// to a bitmap the size of the target's clip box, and the destructor copies it to the target in
// one block copy.
//
// The surface is addressed in the target's coordinates (its origin moved to the clip box's
// top-left corner), so code that paints the whole client area may use it unchanged during a
// partial repaint: whatever falls outside the clip box is simply not copied.
#pragma once

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/device_context.h"

class MemoryDC : public DeviceContext {
  public:
    // `target` must outlive this object.
    explicit MemoryDC(DeviceContext* target);
    ~MemoryDC() override;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    // Always true: this context draws off-screen.
    bool IsMemDC() const { return memDC_; }
    // The target's clip box, in the target's (and this surface's) coordinates.
    const RECT& ClipRect() const { return clip_; }

  private:
    DeviceContext* target_;
    RECT clip_;
    BitmapObject bitmap_;
    HGDIOBJ oldBitmap_ = 0;
    bool memDC_ = false;
};
