#include "platform/registry/registry_api.h"

#include <algorithm>
#include <memory>

#include "platform/core/handle_table.h"
#include "platform/core/text.h"
#include "platform/registry/registry_key_handle.h"
#include "platform/registry/registry_store.h"

namespace {

// The path and rights behind a key handle; HKEY_LOCAL_MACHINE has all rights.
struct OpenKeyRef {
    RegistryPath path;
    std::shared_ptr<RegistryKeyHandle> handle;
    bool Allows(DWORD rights) const { return !handle || handle->Allows(rights); }
};

bool Resolve(HKEY key, OpenKeyRef* ref) {
    if (key == HKEY_LOCAL_MACHINE) return true;
    ref->handle = HandleTable::Instance().Get<RegistryKeyHandle>(key);
    if (!ref->handle) return false;
    ref->path = ref->handle->Path();
    return true;
}

std::string NameText(LPCWSTR name) { return name ? WideToUtf8(name) : std::string(); }

bool SubPath(LPCWSTR subKey, RegistryPath* path) {
    auto parts = SplitRegistryPath(NameText(subKey));
    if (!parts) return false;
    *path = std::move(*parts);
    return true;
}

HKEY NewHandle(RegistryPath path, DWORD access) {
    return HandleTable::Instance().Insert(
        std::make_shared<RegistryKeyHandle>(std::move(path), access));
}

RegistryWriteObserver g_writeObserver;

}  // namespace

LONG RegOpenKeyEx(HKEY key, LPCWSTR subKey, DWORD, DWORD samDesired, HKEY* result) {
    OpenKeyRef ref;
    RegistryPath sub, canonical;
    if (!result) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!SubPath(subKey, &sub)) return ERROR_INVALID_PARAMETER;
    LONG status = RegistryStore::Instance().OpenKey(ref.path, sub, &canonical);
    if (status == ERROR_SUCCESS) *result = NewHandle(std::move(canonical), samDesired);
    return status;
}

LONG RegCreateKeyEx(HKEY key, LPCWSTR subKey, DWORD, LPCWSTR, DWORD, DWORD samDesired, void*,
                    HKEY* result, DWORD* disposition) {
    OpenKeyRef ref;
    RegistryPath sub, canonical;
    if (!result) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!SubPath(subKey, &sub)) return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    LONG status = store.OpenKey(ref.path, sub, &canonical);
    bool created = false;
    if (status == ERROR_FILE_NOT_FOUND) {
        if (!ref.Allows(KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        status = store.CreateKey(ref.path, sub, &canonical, &created);
    }
    if (status != ERROR_SUCCESS) return status;
    *result = NewHandle(std::move(canonical), samDesired);
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                     DWORD* dataSize) {
    OpenKeyRef ref;
    if (reserved || (data && !dataSize)) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!ref.Allows(KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    RegistryValue value;
    LONG status = RegistryStore::Instance().QueryValue(ref.path, NameText(valueName), &value);
    if (status != ERROR_SUCCESS) return status;
    if (type) *type = value.type;
    if (!dataSize) return ERROR_SUCCESS;
    auto size = static_cast<DWORD>(value.data.size());
    bool fits = *dataSize >= size;
    *dataSize = size;
    if (!data) return ERROR_SUCCESS;
    if (!fits) return ERROR_MORE_DATA;
    std::copy(value.data.begin(), value.data.end(), data);
    return ERROR_SUCCESS;
}

LONG RegSetValueEx(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data,
                   DWORD dataSize) {
    OpenKeyRef ref;
    if (!data && dataSize != 0) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!ref.Allows(KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    RegistryValue value{NameText(valueName), type, {}};
    if (data) value.data.assign(data, data + dataSize);
    if (!g_writeObserver) return RegistryStore::Instance().SetValue(ref.path, std::move(value));
    std::string name = value.name;
    LONG result = RegistryStore::Instance().SetValue(ref.path, std::move(value));
    g_writeObserver(JoinRegistryPath(ref.path), name, type, data, dataSize, result);
    return result;
}

void SetRegistryWriteObserver(RegistryWriteObserver observer) {
    g_writeObserver = std::move(observer);
}

LONG RegEnumKeyEx(HKEY key, DWORD index, WCHAR* name, DWORD* nameChars, DWORD* reserved,
                  WCHAR* className, DWORD* classChars, void*) {
    OpenKeyRef ref;
    if (!name || !nameChars || reserved) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!ref.Allows(KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
    std::string text;
    LONG status = RegistryStore::Instance().EnumKey(ref.path, index, &text);
    if (status != ERROR_SUCCESS) return status;
    WString wide = Utf8ToWide(text);
    if (*nameChars < wide.size() + 1) return ERROR_MORE_DATA;
    std::copy(wide.begin(), wide.end(), name);
    name[wide.size()] = 0;
    *nameChars = static_cast<DWORD>(wide.size());
    // Keys have no class names.
    if (className && classChars && *classChars > 0) className[0] = 0;
    if (classChars) *classChars = 0;
    return ERROR_SUCCESS;
}

LONG RegDeleteValue(HKEY key, LPCWSTR valueName) {
    OpenKeyRef ref;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!ref.Allows(KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    return RegistryStore::Instance().DeleteValue(ref.path, NameText(valueName));
}

LONG RegDeleteKey(HKEY key, LPCWSTR subKey) {
    OpenKeyRef ref;
    RegistryPath sub;
    if (!Resolve(key, &ref)) return ERROR_INVALID_HANDLE;
    if (!SubPath(subKey, &sub) || sub.empty()) return ERROR_INVALID_PARAMETER;
    if (!ref.Allows(KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
    return RegistryStore::Instance().DeleteKey(ref.path, sub);
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
    if (!HandleTable::Instance().Get<RegistryKeyHandle>(key)) return ERROR_INVALID_HANDLE;
    return HandleTable::Instance().Close(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
