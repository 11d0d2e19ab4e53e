#include "platform/registry/registry_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/core/text.h"
#include "platform/registry/atomic_file.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_file_parser.h"
#include "platform/registry/registry_file_writer.h"

namespace {

// Follows sub below key, giving the stored spelling of each name; nullptr when missing.
template <typename Key>
Key* Descend(Key* key, const RegistryPath& sub, RegistryPath* names) {
    for (const auto& name : sub) {
        if (!key) return nullptr;
        key = key->FindChild(name);
        if (key && names) names->push_back(key->Name());
    }
    return key;
}

// The file's text for a tree: everything but "Drivers\Active", the running system's list of
// loaded devices (and "Drivers" itself when that was all it held).
std::string PersistedText(const RegistryKey& root) {
    const RegistryKey* drivers = root.FindChild("Drivers");
    if (drivers == nullptr || drivers->FindChild("Active") == nullptr) {
        return FormatRegistryFile(root);
    }
    RegistryKey persisted = root;
    RegistryKey* copy = persisted.FindChild("Drivers");
    copy->RemoveChild("Active");
    if (copy->Children().empty() && copy->Values().empty()) persisted.RemoveChild("Drivers");
    return FormatRegistryFile(persisted);
}

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : ".";
}

}  // namespace

RegistryStore& RegistryStore::Instance() {
    static RegistryStore store;
    return store;
}

void RegistryStore::Reset() {
    std::lock_guard lock(mutex_);
    root_ = RegistryKey();
    backingFile_.clear();
    writeFailure_ = 0;
    lastSaveError_.clear();
    savedText_.clear();
}

bool RegistryStore::SetBackingFile(const std::string& path, std::string* error) {
    std::lock_guard lock(mutex_);
    backingFile_.clear();
    std::string message;
    std::error_code ec;
    if (!path.empty() && std::filesystem::exists(path, ec)) {
        std::string text;
        RegistryKey loaded;
        if (!ReadWholeFile(path, &text, &message, kMaxRegistryFileBytes) ||
            !RegistryFileParser(path).Parse(text, &loaded, &message)) {
            if (error) *error = message + " (the file is left unchanged)";
            return false;
        }
        root_ = std::move(loaded);
        savedText_ = PersistedText(root_);
    } else if (path.empty() || ec) {
        if (error) *error = "registry file " + path + " cannot be used";
        return false;
    } else {
        // A new file starts from an empty tree, as a loaded one replaces it: nothing held from
        // an earlier file may reach this one.
        root_ = RegistryKey{};
        savedText_.clear();
    }
    backingFile_ = path;
    return true;
}

std::string RegistryStore::BackingFile() const {
    std::lock_guard lock(mutex_);
    return backingFile_;
}

void RegistryStore::SetWriteFailure(DWORD error) {
    std::lock_guard lock(mutex_);
    writeFailure_ = error;
}

std::string RegistryStore::LastSaveError() const {
    std::lock_guard lock(mutex_);
    return lastSaveError_;
}

// Applies a change to a copy of the tree and saves it; the tree takes the change only when it
// was saved, so a reported success is always a lasting one.
template <typename Change>
LONG RegistryStore::Apply(Change change) {
    std::lock_guard lock(mutex_);
    if (writeFailure_ != 0) return static_cast<LONG>(writeFailure_);
    RegistryKey copy = root_;
    LONG result = change(copy);
    if (result != ERROR_SUCCESS) return result;
    if (!Save(copy)) return ERROR_GEN_FAILURE;
    root_ = std::move(copy);
    return ERROR_SUCCESS;
}

// Writes the file only when what it holds would change.
bool RegistryStore::Save(const RegistryKey& root) {
    lastSaveError_.clear();
    if (backingFile_.empty()) return true;
    std::string text = PersistedText(root);
    if (text == savedText_) return true;
    if (!WriteFileAtomically(backingFile_, text, &lastSaveError_)) return false;
    savedText_ = std::move(text);
    return true;
}

LONG RegistryStore::OpenKey(const RegistryPath& base, const RegistryPath& sub,
                            RegistryPath* canonical) const {
    std::lock_guard lock(mutex_);
    RegistryPath names;
    const RegistryKey* key = Descend(&root_, base, &names);
    if (!key) return ERROR_KEY_DELETED;
    if (!Descend(key, sub, &names)) return ERROR_FILE_NOT_FOUND;
    if (canonical) *canonical = std::move(names);
    return ERROR_SUCCESS;
}

LONG RegistryStore::CreateKey(const RegistryPath& base, const RegistryPath& sub,
                              RegistryPath* canonical, bool* created) {
    LONG result = OpenKey(base, sub, canonical);
    if (result != ERROR_FILE_NOT_FOUND) {
        if (created) *created = false;
        return result;
    }
    RegistryPath full = base;
    full.insert(full.end(), sub.begin(), sub.end());
    if (!KeyPathProblem(full).empty()) return ERROR_INVALID_PARAMETER;
    RegistryPath names;
    result = Apply([&](RegistryKey& root) {
        names.clear();
        RegistryKey* key = Descend(&root, base, &names);
        if (!key) return static_cast<LONG>(ERROR_KEY_DELETED);
        for (const auto& name : sub) {
            key = &key->AddChild(name);
            names.push_back(key->Name());
        }
        return static_cast<LONG>(ERROR_SUCCESS);
    });
    if (result != ERROR_SUCCESS) return result;
    if (canonical) *canonical = std::move(names);
    if (created) *created = true;
    return ERROR_SUCCESS;
}

LONG RegistryStore::QueryValue(const RegistryPath& key, const std::string& name,
                               RegistryValue* value) const {
    std::lock_guard lock(mutex_);
    const RegistryKey* node = root_.Find(key);
    if (!node) return ERROR_KEY_DELETED;
    const RegistryValue* found = node->FindValue(name);
    if (!found) return ERROR_FILE_NOT_FOUND;
    *value = *found;
    return ERROR_SUCCESS;
}

LONG RegistryStore::SetValue(const RegistryPath& key, RegistryValue value) {
    if (!IsValidName(value.name)) return ERROR_INVALID_PARAMETER;
    return Apply([&](RegistryKey& root) {
        RegistryKey* node = root.Find(key);
        if (!node) return static_cast<LONG>(ERROR_KEY_DELETED);
        node->SetValue(std::move(value));
        return static_cast<LONG>(ERROR_SUCCESS);
    });
}

LONG RegistryStore::EnumKey(const RegistryPath& key, DWORD index, std::string* name) const {
    std::lock_guard lock(mutex_);
    const RegistryKey* node = root_.Find(key);
    if (!node) return ERROR_KEY_DELETED;
    if (index >= node->Children().size()) return ERROR_NO_MORE_ITEMS;
    *name = node->Children()[index].Name();
    return ERROR_SUCCESS;
}

LONG RegistryStore::DeleteValue(const RegistryPath& key, const std::string& name) {
    return Apply([&](RegistryKey& root) {
        RegistryKey* node = root.Find(key);
        if (!node) return static_cast<LONG>(ERROR_KEY_DELETED);
        return static_cast<LONG>(node->RemoveValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    });
}

LONG RegistryStore::DeleteKey(const RegistryPath& base, const RegistryPath& sub) {
    if (sub.empty()) return ERROR_INVALID_PARAMETER;
    return Apply([&](RegistryKey& root) {
        RegistryKey* node = root.Find(base);
        if (!node) return static_cast<LONG>(ERROR_KEY_DELETED);
        RegistryPath parentPath(sub.begin(), sub.end() - 1);
        RegistryKey* parent = node->Find(parentPath);
        bool removed = parent && parent->RemoveChild(sub.back());
        return static_cast<LONG>(removed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    });
}

LONG RegistryStore::SetString(const std::string& path, const std::string& name,
                              const std::string& text) {
    auto keyPath = SplitRegistryPath(path);
    if (!keyPath) return ERROR_INVALID_PARAMETER;
    LONG result = CreateKey({}, *keyPath, nullptr, nullptr);
    return result != ERROR_SUCCESS ? result : SetValue(*keyPath, MakeStringValue(name, text));
}

LONG RegistryStore::SetDword(const std::string& path, const std::string& name, DWORD value) {
    auto keyPath = SplitRegistryPath(path);
    if (!keyPath) return ERROR_INVALID_PARAMETER;
    LONG result = CreateKey({}, *keyPath, nullptr, nullptr);
    return result != ERROR_SUCCESS ? result : SetValue(*keyPath, MakeDwordValue(name, value));
}

std::optional<std::string> RegistryStore::GetString(const std::string& path,
                                                    const std::string& name) const {
    auto keyPath = SplitRegistryPath(path);
    RegistryValue value;
    if (!keyPath || QueryValue(*keyPath, name, &value) != ERROR_SUCCESS) return std::nullopt;
    if (value.type != REG_SZ && value.type != REG_EXPAND_SZ) return std::nullopt;
    WString wide = Utf16FromBytes(value.data.data(), value.data.size());
    return WideToUtf8(wide.substr(0, wide.find(u'\0')));
}

std::optional<DWORD> RegistryStore::GetDword(const std::string& path,
                                             const std::string& name) const {
    auto keyPath = SplitRegistryPath(path);
    RegistryValue value;
    if (!keyPath || QueryValue(*keyPath, name, &value) != ERROR_SUCCESS) return std::nullopt;
    if (value.type != REG_DWORD || value.data.size() != 4) return std::nullopt;
    const auto& d = value.data;
    return d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<DWORD>(d[3]) << 24);
}

LONG RegistryStore::DeleteKey(const std::string& path) {
    auto keyPath = SplitRegistryPath(path);
    return keyPath ? DeleteKey({}, *keyPath) : static_cast<LONG>(ERROR_INVALID_PARAMETER);
}

bool RegistryStore::KeyExists(const std::string& path) const {
    auto keyPath = SplitRegistryPath(path);
    return keyPath && OpenKey({}, *keyPath, nullptr) == ERROR_SUCCESS;
}

std::string DefaultRegistryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base = config && config[0] == '/'
                                     ? std::filesystem::path(config)
                                     : std::filesystem::path(HomeDirectory()) / ".config";
    return (base / "sdwlan" / "registry.reg").string();
}
