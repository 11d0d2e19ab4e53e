// A key of the registry tree: its name, its values and its subkeys, both kept in
// case-insensitive name order so that enumeration is stable. Plain value type (copyable).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry_path.h"
#include "platform/registry/registry_value.h"

class RegistryKey {
  public:
    explicit RegistryKey(std::string name = {}) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<RegistryKey>& Children() const { return children_; }
    const std::vector<RegistryValue>& Values() const { return values_; }

    RegistryKey* FindChild(std::string_view name);
    const RegistryKey* FindChild(std::string_view name) const;
    // The subkey of that name, added when absent (*created tells which).
    RegistryKey& AddChild(std::string_view name, bool* created = nullptr);
    bool RemoveChild(std::string_view name);
    // Descends along path; nullptr when a key on the way is missing.
    RegistryKey* Find(const RegistryPath& path);
    const RegistryKey* Find(const RegistryPath& path) const;

    const RegistryValue* FindValue(std::string_view name) const;
    // Replaces the value's type and data; an existing value keeps its spelling.
    void SetValue(RegistryValue value);
    bool RemoveValue(std::string_view name);

  private:
    std::string name_;
    std::vector<RegistryKey> children_;
    std::vector<RegistryValue> values_;
};
