// Registry calls of the handheld OS: keys below HKEY_LOCAL_MACHINE, typed values, the OS's
// error codes. Key handles are 32-bit handles from the process's handle table.
#pragma once

#include <functional>
#include <string>

#include "platform/core/win_types.h"

using HKEY = DWORD;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

constexpr DWORD REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4,
                REG_MULTI_SZ = 7;
constexpr DWORD KEY_QUERY_VALUE = 0x1, KEY_SET_VALUE = 0x2, KEY_CREATE_SUB_KEY = 0x4,
                KEY_ENUMERATE_SUB_KEYS = 0x8, KEY_READ = 0x20019, KEY_WRITE = 0x20006,
                KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_CREATED_NEW_KEY = 1, REG_OPENED_EXISTING_KEY = 2;
// An operation through a handle whose key has been deleted since it was opened.
constexpr DWORD ERROR_KEY_DELETED = 1018;

// Rights: reading values needs KEY_QUERY_VALUE, enumerating KEY_ENUMERATE_SUB_KEYS, changing or
// deleting values KEY_SET_VALUE, creating a new subkey or deleting one KEY_CREATE_SUB_KEY.
// A null or empty subKey names the key itself; one trailing backslash is accepted.
LONG RegOpenKeyEx(HKEY key, LPCWSTR subKey, DWORD options, DWORD samDesired, HKEY* result);
LONG RegCreateKeyEx(HKEY key, LPCWSTR subKey, DWORD reserved, LPCWSTR className, DWORD options,
                    DWORD samDesired, void* security, HKEY* result, DWORD* disposition);
// data == nullptr: *dataSize gets the size. A buffer too small: ERROR_MORE_DATA, *dataSize gets
// the size needed and the buffer is left untouched.
LONG RegQueryValueEx(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                     DWORD* dataSize);
LONG RegSetValueEx(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                   DWORD dataSize);
// *nameChars: buffer size in characters including the NUL; on success the length without it.
// Subkeys come in case-insensitive name order. lastWriteTime is not written.
LONG RegEnumKeyEx(HKEY key, DWORD index, WCHAR* name, DWORD* nameChars, DWORD* reserved,
                  WCHAR* className, DWORD* classChars, void* lastWriteTime);
LONG RegDeleteValue(HKEY key, LPCWSTR valueName);
// Deletes a key and its subtree.
LONG RegDeleteKey(HKEY key, LPCWSTR subKey);
LONG RegCloseKey(HKEY key);

// Sees every RegSetValueEx that reached a key: the key's path ("Comm\\X\\Parms"), the value's
// name, type and bytes, and the result (a tracer the program installs; the caller does not
// know). An empty function removes it.
using RegistryWriteObserver =
    std::function<void(const std::string& keyPath, const std::string& name, DWORD type,
                       const BYTE* data, DWORD size, LONG result)>;
void SetRegistryWriteObserver(RegistryWriteObserver observer);
