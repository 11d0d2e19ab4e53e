#include "platform/registry/registry_file_parser.h"

#include "platform/core/text.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_file_writer.h"

namespace {

constexpr std::string_view kRoot = "HKEY_LOCAL_MACHINE";

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || CompareNames(text.substr(0, prefix.size()), prefix) != 0) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// Parses 1 to maxDigits hex digits making up all of text.
bool ParseHexNumber(std::string_view text, std::size_t maxDigits, DWORD* number) {
    if (text.empty() || text.size() > maxDigits) return false;
    *number = 0;
    for (char c : text) {
        const int digit = HexDigit(static_cast<unsigned char>(c));
        if (digit < 0) return false;
        *number = (*number << 4) | static_cast<DWORD>(digit);
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0) lines[0].erase(0, 3);
    return lines;
}

}  // namespace

bool RegistryFileParser::Parse(const std::string& text, RegistryKey* root, std::string* error) {
    lines_ = SplitLines(text);
    root_ = root;
    current_.reset();
    index_ = 0;
    bool ok = ParseHeader();
    for (index_ = 1; ok && index_ < lines_.size(); ++index_) {
        ok = IsValidUtf8(lines_[index_]) ? ParseLine(Trim(lines_[index_]))
                                         : Fail("expected UTF-8 text");
    }
    if (!ok) *error = error_;
    return ok;
}

bool RegistryFileParser::Fail(const std::string& message) {
    error_ = StrFormat("%s:%zu: %s", fileName_.c_str(), index_ + 1, message.c_str());
    return false;
}

bool RegistryFileParser::ParseHeader() {
    if (lines_.empty() || Trim(lines_[0]) != kRegistryFileHeader) {
        return Fail(std::string("expected \"") + kRegistryFileHeader + "\"");
    }
    return true;
}

bool RegistryFileParser::ParseLine(std::string_view line) {
    if (line.empty() || line.front() == ';') return true;
    if (line.front() == '[') return ParseSection(line);
    if (line.front() == '"' || line.front() == '@') return ParseValue(line);
    return Fail("expected a [key] line or a \"name\"=value line");
}

bool RegistryFileParser::ParseSection(std::string_view line) {
    std::string_view path = line.substr(1);
    if (path.empty() || path.back() != ']') return Fail("expected ']' at the end of the key line");
    path.remove_suffix(1);
    std::optional<RegistryPath> names;
    if (ConsumePrefix(path, kRoot) && (path.empty() || path.front() == '\\')) {
        names = SplitRegistryPath(path.empty() ? path : path.substr(1));
    }
    if (!names || (!path.empty() && names->empty())) {
        return Fail("expected a key path below HKEY_LOCAL_MACHINE");
    }
    if (std::string problem = KeyPathProblem(*names); !problem.empty()) return Fail(problem);
    RegistryKey* key = root_;
    for (const auto& name : *names) key = &key->AddChild(name);
    current_ = std::move(names);
    return true;
}

bool RegistryFileParser::ParseValue(std::string_view line) {
    if (!current_) return Fail("expected a [key] line before the first value");
    RegistryValue value;
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else if (!ParseQuoted(line, &value.name)) {
        return false;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') return Fail("expected '=' after the value name");
    if (!IsValidName(value.name)) return Fail("expected a value name without line breaks");
    if (!ParseData(Trim(line.substr(1)), &value)) return false;
    root_->Find(*current_)->SetValue(std::move(value));
    return true;
}

bool RegistryFileParser::ParseQuoted(std::string_view& rest, std::string* text) {
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"')) {
                return Fail("expected \\\\ or \\\" after a backslash in quoted text");
            }
            c = rest[++i];
        }
        text->push_back(c);
    }
    return Fail("expected a closing '\"'");
}

bool RegistryFileParser::ParseData(std::string_view rest, RegistryValue* value) {
    if (!rest.empty() && rest.front() == '"') {
        std::string text;
        if (!ParseQuoted(rest, &text)) return false;
        if (!Trim(rest).empty()) return Fail("expected the end of the line after the string");
        *value = MakeStringValue(std::move(value->name), text);
        return true;
    }
    if (ConsumePrefix(rest, "dword:")) {
        DWORD number = 0;
        if (!ParseHexNumber(rest, 8, &number)) return Fail("expected 8 hex digits after dword:");
        *value = MakeDwordValue(std::move(value->name), number);
        return true;
    }
    if (ConsumePrefix(rest, "hex")) return ParseHex(rest, value);
    return Fail("expected a quoted string, dword: or hex data");
}

bool RegistryFileParser::ParseHex(std::string_view rest, RegistryValue* value) {
    value->type = REG_BINARY;
    if (!rest.empty() && rest.front() == '(') {
        std::size_t close = rest.find(')');
        if (close == std::string_view::npos ||
            !ParseHexNumber(rest.substr(1, close - 1), 8, &value->type)) {
            return Fail("expected a hex type number in hex(...)");
        }
        rest.remove_prefix(close + 1);
    }
    if (rest.empty() || rest.front() != ':') return Fail("expected ':' after hex");
    std::string joined = JoinContinuations(rest.substr(1));
    std::string_view bytes = Trim(joined);
    while (!bytes.empty()) {
        std::size_t comma = bytes.find(',');
        DWORD byte = 0;
        if (!ParseHexNumber(Trim(bytes.substr(0, comma)), 2, &byte)) {
            return Fail("expected hex bytes separated by commas");
        }
        value->data.push_back(static_cast<BYTE>(byte));
        if (comma == std::string_view::npos) break;
        bytes.remove_prefix(comma + 1);
        if (Trim(bytes).empty()) return Fail("expected a hex byte after ','");
    }
    return true;
}

std::string RegistryFileParser::JoinContinuations(std::string_view rest) {
    std::string joined(Trim(rest));
    while (!joined.empty() && joined.back() == '\\' && index_ + 1 < lines_.size()) {
        joined.pop_back();
        joined += Trim(lines_[++index_]);
    }
    return joined;
}
