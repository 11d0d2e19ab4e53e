#include "controls/memory_dc.h"

MemoryDC::MemoryDC(DeviceContext* target) : target_(target) {
    target_->GetClipBox(&clip_);
    CreateCompatibleDC(target_);
    // An empty clip box gives no bitmap: drawing then lands on the context's stock bitmap and
    // nothing is copied back.
    if (bitmap_.CreateCompatibleBitmap(target_, clip_.Width(), clip_.Height())) {
        HGDIOBJ previous = SelectObject(bitmap_.Handle());
        oldBitmap_ = previous == HGDI_ERROR ? 0 : previous;
    }
    SetWindowOrg(clip_.left, clip_.top);
    memDC_ = true;
}

MemoryDC::~MemoryDC() {
    if (oldBitmap_ != 0) {
        target_->BitBlt(clip_.left, clip_.top, clip_.Width(), clip_.Height(), this, clip_.left,
                        clip_.top, SRCCOPY);
        SelectObject(oldBitmap_);
    }
    bitmap_.DeleteObject();
    DeleteDC();
}
