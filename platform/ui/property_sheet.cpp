#include "platform/ui/property_sheet.h"

#include <algorithm>

#include "platform/ui/dialog_units.h"
#include "platform/ui/property_page.h"

PropertySheet::PropertySheet(const std::string& caption) : caption_(caption) {}

void PropertySheet::AddPage(PropertyPage* page) {
    if (page == nullptr) return;
    pages_.push_back(page);
    page->sheet_ = this;
    NotifyChanged();
}

PropertyPage* PropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

int PropertySheet::GetPageIndex(const PropertyPage* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

std::vector<std::string> PropertySheet::TabCaptions() const {
    std::vector<std::string> captions;
    for (const PropertyPage* page : pages_) captions.push_back(page->Caption());
    return captions;
}

bool PropertySheet::Create(Window* parent, DWORD style, DWORD exStyle) {
    if (Handle() != 0 || parent == nullptr) return false;
    int width = 0;
    int height = 0;
    for (const PropertyPage* page : pages_) {
        if (const DialogTemplate* t = page->Template()) {
            width = std::max(width, DialogUnitsToPixelsX(t->cx));
            height = std::max(height, DialogUnitsToPixelsY(t->cy));
        }
    }
    RECT rect{0, 0, width, height + kTabHeight};
    if (!CreateWindowObject(parent, -1, caption_, style | WS_CHILD, exStyle, rect)) return false;
    if (!pages_.empty()) SetActivePage(0);
    return true;
}

bool PropertySheet::CreatePageWindow(PropertyPage& page) {
    if (!page.Create(this)) return false;
    // Pages sit below the tab strip and show only while in front.
    page.ShowWindow(SW_HIDE);
    RECT rect = page.PixelRect();
    page.MoveWindow(RECT{0, kTabHeight, rect.Width(), kTabHeight + rect.Height()});
    return true;
}

bool PropertySheet::SetActivePage(int index) {
    PropertyPage* page = GetPage(index);
    if (Handle() == 0 || page == nullptr) return false;
    PropertyPage* old = GetActivePage();
    if (old != nullptr && !old->OnKillActive()) return false;
    if (page->Handle() == 0 && !CreatePageWindow(*page)) return false;
    active_ = index;
    page->OnSetActive();
    if (old != nullptr && old != page && old->Handle() != 0) old->ShowWindow(SW_HIDE);
    page->ShowWindow(SW_SHOW);
    NotifyChanged();
    return true;
}

bool PropertySheet::SetActivePage(PropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

PropertyPage* PropertySheet::GetActivePage() const {
    PropertyPage* page = GetPage(active_);
    return page != nullptr && page->Handle() != 0 ? page : nullptr;
}

ControlState PropertySheet::Describe() const {
    ControlState state = Window::Describe();
    state.items = TabCaptions();
    state.selection = active_;
    return state;
}

void PropertySheet::OnWindowGone() { active_ = -1; }
