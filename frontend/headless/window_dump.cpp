#include "frontend/headless/window_dump.h"

#include "frontend/headless/quoted_text.h"
#include "platform/ui/property_page.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_input.h"
#include "platform/ui/window.h"
#include "platform/ui/window_manager.h"

namespace {

std::string CheckWord(int checked) {
    switch (checked) {
        case BST_UNCHECKED:
            return " unchecked";
        case BST_CHECKED:
            return " checked";
        default:
            return " indeterminate";
    }
}

std::string QuotedList(const std::vector<std::string>& texts) {
    std::string line;
    for (const std::string& text : texts) line += " " + QuoteText(text);
    return line;
}

// Kind-specific fields after the common ones, and the indented lines below.
std::string KindFields(const ControlState& state, std::string& below) {
    switch (state.kind) {
        case ControlKind::Edit: {
            std::string fields = (state.style & ES_READONLY) ? " readonly" : "";
            if (state.style & ES_MULTILINE)
                fields += " top=" + std::to_string(state.firstVisibleLine);
            return fields;
        }
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return CheckWord(state.checked);
        case ControlKind::ComboBox:
            for (std::size_t i = 0; i < state.items.size(); ++i)
                below += "  [" + std::to_string(i) + "] " + QuoteText(state.items[i]) + "\n";
            return " sel=" + std::to_string(state.selection);
        case ControlKind::ListView:
            below += "  columns" + QuotedList(state.columns) + "\n";
            for (std::size_t i = 0; i < state.rows.size(); ++i)
                below += "  [" + std::to_string(i) + "]" + QuotedList(state.rows[i]) + "\n";
            return " sel=" + std::to_string(state.selection);
        case ControlKind::ProgressBar:
            return " pos=" + std::to_string(state.position) +
                   " range=" + std::to_string(state.rangeLower) + ".." +
                   std::to_string(state.rangeUpper);
        case ControlKind::Picture:
            return " bitmap=" + std::to_string(state.bitmapId);
        default:
            return "";
    }
}

bool IsControl(ControlKind kind) {
    return kind != ControlKind::Sheet && kind != ControlKind::Dialog;
}

PropertySheet* ShownSheet(Window& window) {
    if (auto* page = dynamic_cast<PropertyPage*>(&window)) return page->Sheet();
    return FindSheet(window);
}

void DumpTabs(std::ostream& out, const PropertySheet& sheet) {
    out << "tabs";
    std::vector<std::string> captions = sheet.TabCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        bool active = static_cast<int>(i) == sheet.GetActiveIndex();
        out << (active ? " [" : " ") << QuoteText(captions[i]) << (active ? "]" : "");
    }
    out << "\n";
}

}  // namespace

std::string WindowTitle(Window& window) {
    if (dynamic_cast<PropertyPage*>(&window) != nullptr) return window.TopLevel()->GetWindowText();
    return window.GetWindowText();
}

std::string ShownText(const ControlState& state) {
    if (state.kind == ControlKind::ProgressBar) return std::to_string(state.position);
    if (state.kind == ControlKind::ListView) {
        const auto row = static_cast<std::size_t>(state.selection);
        if (row >= state.rows.size()) return std::string();
        std::string cells;
        for (const std::string& cell : state.rows[row])
            cells += (cells.empty() ? "" : " | ") + cell;
        return cells;
    }
    return state.text;
}

std::string FormatControl(const ControlState& state) {
    std::string below;
    std::string line = std::to_string(state.id) + " " + ControlKindName(state.kind) + " " +
                       QuoteText(state.text) + (state.enabled ? " enabled" : " disabled") +
                       (state.visible ? " visible" : " hidden");
    line += KindFields(state, below);
    return line + "\n" + below;
}

void DumpWindow(std::ostream& out, Window& window) {
    out << "window " << QuoteText(WindowTitle(window));
    if (WindowManager::Instance().IsWaitCursorShown()) out << " busy";
    out << "\n";
    if (PropertySheet* sheet = ShownSheet(window); sheet != nullptr && sheet->Handle() != 0)
        DumpTabs(out, *sheet);
    for (const ControlState& state : DescribeControls(window)) {
        if (IsControl(state.kind)) out << FormatControl(state);
    }
}
