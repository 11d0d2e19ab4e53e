#include "frontend/headless/text_view.h"

#include "frontend/headless/window_dump.h"
#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/ui/property_page.h"
#include "platform/ui/window_manager.h"

namespace {

std::string ViewTitle(Window& window) {
    std::string title = WindowTitle(window);
    if (auto* page = dynamic_cast<PropertyPage*>(&window)) title += ": " + page->Caption();
    return title;
}

std::string FieldLine(const TextField& field) {
    if (field.label.empty()) return field.value;
    return field.label + ": " + field.value;
}

// The same fields in the same places: only values may differ.
bool SameLayout(const std::vector<TextField>& a, const std::vector<TextField>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].id != b[i].id || a[i].label != b[i].label) return false;
    }
    return true;
}

}  // namespace

TextView::TextView(std::ostream& out) : out_(out) {}

void TextView::Refresh() {
    WindowManager& windows = WindowManager::Instance();
    if (shown_ && windows.ChangeCount() == seenChanges_) return;
    seenChanges_ = windows.ChangeCount();
    Window* front = windows.FrontWindow();
    if (front == nullptr) return;
    if (!shown_) start_ = GetTickCount();
    std::string title = ViewTitle(*front);
    std::vector<TextField> fields = LabelledFields(*front);
    if (!shown_ || front != window_ || title != title_ || !SameLayout(fields, fields_)) {
        PrintBlock(title, fields);
    } else {
        PrintChanges(fields);
    }
    shown_ = true;
    window_ = front;
    title_ = title;
    fields_ = fields;
    out_.flush();
}

void TextView::Ended() {
    out_ << Stamp() << " the utility has ended\n";
    out_.flush();
}

std::string TextView::Stamp() const {
    DWORD elapsed = GetTickCount() - start_;
    return StrFormat("[%u.%u s]", elapsed / 1000, elapsed % 1000 / 100);
}

void TextView::PrintBlock(const std::string& title, const std::vector<TextField>& fields) {
    out_ << Stamp() << " " << title << "\n";
    for (const TextField& field : fields) out_ << "  " << FieldLine(field) << "\n";
}

void TextView::PrintChanges(const std::vector<TextField>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].value != fields_[i].value)
            out_ << Stamp() << " " << FieldLine(fields[i]) << "\n";
    }
}
