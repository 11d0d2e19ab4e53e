#include "platform/gdi/gdi_object_table.h"

HGDIOBJ GdiObjectTable::AddBitmap(int width, int height) {
    HGDIOBJ handle = NextHandle();
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->surface.Reset(width, height, 0);
    bitmaps_[handle] = std::move(bitmap);
    return handle;
}

HGDIOBJ GdiObjectTable::AddBrush(COLORREF color) {
    HGDIOBJ handle = NextHandle();
    brushes_[handle] = Brush{color};
    return handle;
}

HDC GdiObjectTable::AddContext(Context context) {
    HDC handle = NextHandle();
    contexts_[handle] = context;
    return handle;
}

GdiObjectTable::Bitmap* GdiObjectTable::FindBitmap(HGDIOBJ handle) {
    auto it = bitmaps_.find(handle);
    return it == bitmaps_.end() ? nullptr : it->second.get();
}

GdiObjectTable::Brush* GdiObjectTable::FindBrush(HGDIOBJ handle) {
    auto it = brushes_.find(handle);
    return it == brushes_.end() ? nullptr : &it->second;
}

GdiObjectTable::Context* GdiObjectTable::LookUpContext(HDC handle) {
    auto it = contexts_.find(handle);
    if (it == contexts_.end()) return nullptr;
    lastContext_ = handle;
    lastContextFound_ = &it->second;
    return lastContextFound_;
}

bool GdiObjectTable::Remove(HGDIOBJ handle) {
    if (handle == stock_) return false;
    if (handle == lastContext_) lastContext_ = 0;
    return bitmaps_.erase(handle) + brushes_.erase(handle) + contexts_.erase(handle) > 0;
}

HBITMAP GdiObjectTable::StockBitmap() {
    if (stock_ == 0) stock_ = AddBitmap(1, 1);
    return stock_;
}

std::size_t GdiObjectTable::Count() const {
    std::size_t count = bitmaps_.size() + brushes_.size() + contexts_.size();
    return stock_ != 0 ? count - 1 : count;
}
