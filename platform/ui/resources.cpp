#include "platform/ui/resources.h"

Resources& Resources::Instance() {
    static Resources resources;
    return resources;
}

void Resources::AddDialog(DialogTemplate dialogTemplate) {
    int id = dialogTemplate.id;
    dialogs_[id] = std::move(dialogTemplate);
}

const DialogTemplate* Resources::FindDialog(int id) const {
    auto it = dialogs_.find(id);
    return it == dialogs_.end() ? nullptr : &it->second;
}

void Resources::AddString(UINT id, std::string text) { strings_[id] = std::move(text); }

std::optional<std::string> Resources::FindString(UINT id) const {
    auto it = strings_.find(id);
    if (it == strings_.end()) return std::nullopt;
    return it->second;
}

void Resources::AddBitmap(int id, Surface bitmap) { bitmaps_[id] = Bitmap{{}, std::move(bitmap)}; }

void Resources::AddBitmap(int id, std::function<Surface()> draw) {
    bitmaps_[id] = Bitmap{std::move(draw), std::nullopt};
}

const Surface* Resources::FindBitmap(int id) const {
    auto it = bitmaps_.find(id);
    if (it == bitmaps_.end()) return nullptr;
    Bitmap& bitmap = it->second;
    if (!bitmap.drawn) bitmap.drawn = bitmap.draw();
    return &*bitmap.drawn;
}

bool Resources::HasBitmap(int id) const { return bitmaps_.contains(id); }

void Resources::Clear() {
    dialogs_.clear();
    strings_.clear();
    bitmaps_.clear();
}

bool LoadString(UINT id, std::string& text) {
    std::optional<std::string> found = Resources::Instance().FindString(id);
    text = found.value_or("");
    return found.has_value();
}

HICON LoadIcon(int id) { return Resources::Instance().HasBitmap(id) ? static_cast<HICON>(id) : 0; }
