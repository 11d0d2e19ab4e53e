#include "platform/registry/registry_file_writer.h"

#include <optional>

#include "platform/core/text.h"
#include "platform/registry/registry_api.h"

const char kRegistryFileHeader[] = "Windows Registry Editor Version 5.00";

namespace {

constexpr std::size_t kHexBytesPerLine = 25;

// The text of a REG_SZ value when "text" form gives back exactly the same bytes; otherwise
// (no terminating NUL, inner NUL, line break, broken UTF-16) the value is written as hex(1).
std::optional<std::string> PrintableString(const RegistryValue& value) {
    const auto& d = value.data;
    if (value.type != REG_SZ || d.size() < 2 || d.size() % 2 != 0) return std::nullopt;
    if (d[d.size() - 2] != 0 || d[d.size() - 1] != 0) return std::nullopt;
    WString wide = Utf16FromBytes(d.data(), d.size() - 2);
    for (char16_t c : wide) {
        if (c == 0 || c == u'\r' || c == u'\n') return std::nullopt;
    }
    std::string text = WideToUtf8(wide);
    if (Utf8ToWide(text) != wide) return std::nullopt;
    return text;
}

std::string FormatHex(const RegistryValue& value) {
    std::string text = value.type == REG_BINARY ? "hex:" : StrFormat("hex(%x):", value.type);
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0) text += (i % kHexBytesPerLine == 0) ? ",\\\n  " : ",";
        text += StrFormat("%02x", value.data[i]);
    }
    return text;
}

std::string FormatData(const RegistryValue& value) {
    if (auto text = PrintableString(value)) return QuoteRegistryText(*text);
    if (value.type == REG_DWORD && value.data.size() == 4) {
        const auto& d = value.data;
        DWORD number = d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<DWORD>(d[3]) << 24);
        return StrFormat("dword:%08x", number);
    }
    return FormatHex(value);
}

void FormatKey(const RegistryKey& key, const std::string& path, bool isRoot, std::string& out) {
    if (!isRoot || !key.Values().empty()) {
        out += "[" + path + "]\n";
        for (const auto& value : key.Values()) {
            out += value.name.empty() ? "@" : QuoteRegistryText(value.name);
            out += "=" + FormatData(value) + "\n";
        }
        out += "\n";
    }
    for (const auto& child : key.Children())
        FormatKey(child, path + "\\" + child.Name(), false, out);
}

}  // namespace

std::string QuoteRegistryText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string FormatRegistryFile(const RegistryKey& root) {
    std::string out = std::string(kRegistryFileHeader) + "\n\n";
    FormatKey(root, "HKEY_LOCAL_MACHINE", true, out);
    return out;
}
