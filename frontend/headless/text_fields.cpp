#include "frontend/headless/text_fields.h"

#include <algorithm>

#include "platform/ui/ui_input.h"
#include "platform/ui/window.h"

namespace {

bool Shown(const ControlState& state) {
    switch (state.kind) {
        case ControlKind::PushButton:
        case ControlKind::GroupBox:
        case ControlKind::Picture:
        case ControlKind::Sheet:
        case ControlKind::Dialog:
            return false;
        default:
            return state.visible;
    }
}

// Same row: the control's vertical middle lies within the row's first control.
bool SameRow(const ControlState& first, const ControlState& other) {
    int middle = (other.rect.top + other.rect.bottom) / 2;
    return middle >= first.rect.top && middle < std::max(first.rect.bottom, first.rect.top + 1);
}

std::vector<std::vector<ControlState>> Rows(std::vector<ControlState> states) {
    std::stable_sort(states.begin(), states.end(), [](const auto& a, const auto& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    std::vector<std::vector<ControlState>> rows;
    for (const ControlState& state : states) {
        if (rows.empty() || !SameRow(rows.back().front(), state)) rows.emplace_back();
        rows.back().push_back(state);
    }
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [](const auto& a, const auto& b) { return a.rect.left < b.rect.left; });
    }
    return rows;
}

std::string OneLine(std::string text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += text[i] == '\n' ? std::string(" | ") : std::string(1, text[i]);
    }
    return line;
}

void AddRow(const std::vector<ControlState>& row, std::vector<TextField>& fields) {
    bool labelled = row.size() >= 2 && row.front().kind == ControlKind::Static;
    if (!labelled) {
        for (const ControlState& state : row) fields.push_back({state.id, "", FieldValue(state)});
        return;
    }
    TextField field{row[1].id, CleanLabel(row.front().text), ""};
    for (std::size_t i = 1; i < row.size(); ++i)
        field.value += (i > 1 ? "  " : "") + FieldValue(row[i]);
    fields.push_back(field);
}

}  // namespace

std::string FieldValue(const ControlState& state) {
    switch (state.kind) {
        case ControlKind::ProgressBar: {
            int span = state.rangeUpper - state.rangeLower;
            int percent = span > 0 ? (state.position - state.rangeLower) * 100 / span : 0;
            return std::to_string(percent) + " %";
        }
        case ControlKind::ListView:
            return std::to_string(state.rows.size()) + " rows";
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return std::string(state.checked == BST_CHECKED ? "[x] " : "[ ] ") +
                   CleanLabel(state.text);
        default:
            return OneLine(state.text);
    }
}

std::string CleanLabel(const std::string& text) {
    std::string label;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" stands for "&"
        label += text[i];
    }
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
    return label;
}

std::vector<TextField> LabelledFields(const Window& window) {
    std::vector<ControlState> shown;
    for (const ControlState& state : DescribeControls(window)) {
        if (Shown(state)) shown.push_back(state);
    }
    std::vector<TextField> fields;
    for (const auto& row : Rows(shown)) AddRow(row, fields);
    return fields;
}
