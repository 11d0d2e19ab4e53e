#include "platform/registry/registry_path.h"

#include "platform/core/text.h"

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(Fold(a[i]));
        auto cb = static_cast<unsigned char>(Fold(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsValidName(std::string_view name) { return name.find_first_of("\r\n") == std::string::npos; }

std::optional<RegistryPath> SplitRegistryPath(std::string_view text) {
    RegistryPath path;
    if (!text.empty() && text.back() == '\\') text.remove_suffix(1);
    if (text.empty()) return path;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\\', start);
        std::string_view part =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (part.empty() || !IsValidName(part)) return std::nullopt;
        path.emplace_back(part);
        if (end == std::string_view::npos) return path;
        start = end + 1;
    }
}

std::string JoinRegistryPath(const RegistryPath& path) {
    std::string text;
    for (const auto& name : path) {
        if (!text.empty()) text += '\\';
        text += name;
    }
    return text;
}

std::string KeyPathProblem(const RegistryPath& path) {
    if (path.size() > kMaxKeyDepth) {
        return "expected a key at most " + std::to_string(kMaxKeyDepth) + " levels deep";
    }
    for (const auto& name : path) {
        if (Utf8ToWide(name).size() > kMaxKeyNameUnits) {
            return "expected key names of at most " + std::to_string(kMaxKeyNameUnits) +
                   " characters";
        }
    }
    return {};
}
