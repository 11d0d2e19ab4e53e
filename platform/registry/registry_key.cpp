#include "platform/registry/registry_key.h"

#include <algorithm>

namespace {

const std::string& NameOf(const RegistryKey& key) { return key.Name(); }
const std::string& NameOf(const RegistryValue& value) { return value.name; }

// First element whose name is not below name (case-insensitive order).
template <typename Vector>
auto LowerBound(Vector& items, std::string_view name) {
    return std::lower_bound(items.begin(), items.end(), name, [](const auto& item, auto n) {
        return CompareNames(NameOf(item), n) < 0;
    });
}

template <typename Vector>
auto FindByName(Vector& items, std::string_view name) {
    auto it = LowerBound(items, name);
    return it != items.end() && CompareNames(NameOf(*it), name) == 0 ? it : items.end();
}

template <typename Vector>
bool EraseByName(Vector& items, std::string_view name) {
    auto it = FindByName(items, name);
    if (it == items.end()) return false;
    items.erase(it);
    return true;
}

}  // namespace

RegistryKey* RegistryKey::FindChild(std::string_view name) {
    auto it = FindByName(children_, name);
    return it == children_.end() ? nullptr : &*it;
}

const RegistryKey* RegistryKey::FindChild(std::string_view name) const {
    auto it = FindByName(children_, name);
    return it == children_.end() ? nullptr : &*it;
}

RegistryKey& RegistryKey::AddChild(std::string_view name, bool* created) {
    auto it = LowerBound(children_, name);
    bool found = it != children_.end() && CompareNames(it->Name(), name) == 0;
    if (created) *created = !found;
    if (found) return *it;
    return *children_.insert(it, RegistryKey(std::string(name)));
}

bool RegistryKey::RemoveChild(std::string_view name) { return EraseByName(children_, name); }

RegistryKey* RegistryKey::Find(const RegistryPath& path) {
    return const_cast<RegistryKey*>(static_cast<const RegistryKey*>(this)->Find(path));
}

const RegistryKey* RegistryKey::Find(const RegistryPath& path) const {
    const RegistryKey* key = this;
    for (const auto& name : path) {
        key = key->FindChild(name);
        if (!key) return nullptr;
    }
    return key;
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
    auto it = FindByName(values_, name);
    return it == values_.end() ? nullptr : &*it;
}

void RegistryKey::SetValue(RegistryValue value) {
    auto it = LowerBound(values_, value.name);
    if (it != values_.end() && CompareNames(it->name, value.name) == 0) {
        it->type = value.type;
        it->data = std::move(value.data);
    } else {
        values_.insert(it, std::move(value));
    }
}

bool RegistryKey::RemoveValue(std::string_view name) { return EraseByName(values_, name); }
