#include "frontend/headless/quoted_text.h"

#include <cstdio>

#include "platform/core/text.h"

namespace {

// Appends the character an escape stands for; false for an unknown escape.
bool AppendEscape(std::string_view input, std::size_t& i, std::string& text) {
    switch (input[i]) {
        case '"':
        case '\\':
            text += input[i];
            return true;
        case 'n':
            text += '\n';
            return true;
        case 'r':
            text += '\r';
            return true;
        case 't':
            text += '\t';
            return true;
        case 'x': {
            if (i + 2 >= input.size()) return false;
            int high = HexDigit(input[i + 1]), low = HexDigit(input[i + 2]);
            if (high < 0 || low < 0) return false;
            text += static_cast<char>(high * 16 + low);
            i += 2;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

std::string QuoteText(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
            quoted += buffer;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::optional<std::string> UnquoteText(std::string_view input, std::size_t& consumed,
                                       std::string& error) {
    std::string text;
    for (std::size_t i = 1; i < input.size(); ++i) {
        if (input[i] == '"') {
            consumed = i + 1;
            return text;
        }
        if (input[i] != '\\') {
            text += input[i];
            continue;
        }
        if (++i >= input.size() || !AppendEscape(input, i, text)) {
            error = "unknown escape in quoted text (use \\\" \\\\ \\n \\r \\t \\xNN)";
            return std::nullopt;
        }
    }
    error = "quoted text has no closing quote";
    return std::nullopt;
}
