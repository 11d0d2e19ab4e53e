#include "frontend/fltk/text_mapping.h"

#include "platform/ui/window_constants.h"

namespace {

std::vector<std::string> SplitPatterns(const std::string& list) {
    std::vector<std::string> patterns;
    std::string current;
    for (char c : list + ";") {
        if (c != ';') {
            if (c != ' ') current += c;
            continue;
        }
        if (current == "*.*") current = "*";  // every file, with or without a dot
        if (!current.empty()) patterns.push_back(current);
        current.clear();
    }
    return patterns;
}

std::string JoinPatterns(const std::vector<std::string>& patterns) {
    if (patterns.size() == 1) return patterns.front();
    std::string joined = "{";
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        joined += (i == 0 ? "" : ",") + patterns[i];
    }
    return joined + "}";
}

// The chooser takes the pattern from the first parenthesis and splits entries at tabs.
std::string PlainDescription(const std::string& description) {
    std::string plain;
    for (char c : description) {
        if (c == '(') c = '[';
        if (c == ')') c = ']';
        if (c == '\t') c = ' ';
        plain += c;
    }
    return plain;
}

}  // namespace

Fl_Align DrawTextAlign(UINT format) {
    Fl_Align align = FL_ALIGN_INSIDE;
    if ((format & DT_CENTER) == 0) align |= (format & DT_RIGHT) ? FL_ALIGN_RIGHT : FL_ALIGN_LEFT;
    if (format & DT_SINGLELINE) {
        if ((format & DT_VCENTER) == 0)
            align |= (format & DT_BOTTOM) ? FL_ALIGN_BOTTOM : FL_ALIGN_TOP;
    } else {
        align |= FL_ALIGN_TOP;
        if (format & DT_WORDBREAK) align |= FL_ALIGN_WRAP;
    }
    return align;
}

Fl_Align StaticAlign(DWORD style) {
    Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP | FL_ALIGN_CLIP;
    switch (style & 0x3) {
        case SS_CENTER:
            return align;
        case SS_RIGHT:
            return align | FL_ALIGN_RIGHT;
        default:
            return align | FL_ALIGN_LEFT;
    }
}

std::string EscapeLabel(const std::string& text) {
    std::string label;
    for (char c : text) {
        label += c;
        if (c == '@') label += '@';  // '@' starts a symbol in labels
    }
    return label;
}

std::string EscapeMenuLabel(const std::string& text) {
    std::string label;
    for (char c : text) {
        label += c;
        if (c == '@' || c == '&') label += c;
    }
    return label;
}

std::string ToDesktopLines(const std::string& modelText) {
    std::string text;
    text.reserve(modelText.size());
    for (std::size_t i = 0; i < modelText.size(); ++i) {
        if (modelText[i] == '\r' && i + 1 < modelText.size() && modelText[i + 1] == '\n') continue;
        text += modelText[i];
    }
    return text;
}

std::string ToModelLines(const std::string& desktopText) {
    std::string text;
    text.reserve(desktopText.size());
    for (std::size_t i = 0; i < desktopText.size(); ++i) {
        bool bareLineFeed = desktopText[i] == '\n' && (i == 0 || desktopText[i - 1] != '\r');
        if (bareLineFeed) text += '\r';
        text += desktopText[i];
    }
    return text;
}

std::string FileChooserFilter(const std::vector<std::pair<std::string, std::string>>& filters) {
    std::string text;
    for (const auto& [description, patternList] : filters) {
        std::vector<std::string> patterns = SplitPatterns(patternList);
        if (patterns.empty()) continue;
        if (!text.empty()) text += '\t';
        text += PlainDescription(description) + " (" + JoinPatterns(patterns) + ")";
    }
    return text;
}
