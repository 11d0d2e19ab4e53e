// The registry tree behind the Reg* calls: one process-wide instance, thread-safe (a driver's
// worker thread may read it while the user-interface thread writes). Optionally backed by a
// file in the registry export format; every change that alters the file's contents is saved at
// once, atomically. "Drivers\Active" (the running system's state) stays out of the file.
#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "platform/registry/registry_key.h"

class RegistryStore {
  public:
    static RegistryStore& Instance();

    // Empty tree, no backing file, no simulated write failure.
    void Reset();
    // Loads the file when it exists (replacing the tree; a file not there yet starts an empty
    // tree) and saves every later change to it.
    // A file that cannot be read or parsed is refused: *error names the file and line, the tree
    // is left as it was, and the store stays in memory only so that the file is never touched.
    bool SetBackingFile(const std::string& path, std::string* error);
    // Empty when the store is in memory only.
    std::string BackingFile() const;
    // Non-zero: every change fails with that error code (0 turns it off).
    void SetWriteFailure(DWORD error);
    // Message of the last failed save, empty after a successful one.
    std::string LastSaveError() const;

    // Helpers for C++ callers; paths like "Comm\\KESTREL1\\Parms" below HKEY_LOCAL_MACHINE and
    // text in UTF-8. Setters create the key when needed and return an error code.
    LONG SetString(const std::string& path, const std::string& name, const std::string& text);
    LONG SetDword(const std::string& path, const std::string& name, DWORD value);
    // A REG_SZ or REG_EXPAND_SZ value up to its first NUL; nullopt for an absent or other value.
    std::optional<std::string> GetString(const std::string& path, const std::string& name) const;
    std::optional<DWORD> GetDword(const std::string& path, const std::string& name) const;
    LONG DeleteKey(const std::string& path);
    bool KeyExists(const std::string& path) const;

    // Operations behind the Reg* calls. base is the path of an open key: ERROR_KEY_DELETED when
    // it no longer exists. *canonical gets the key's path in its stored spelling.
    LONG OpenKey(const RegistryPath& base, const RegistryPath& sub, RegistryPath* canonical) const;
    LONG CreateKey(const RegistryPath& base, const RegistryPath& sub, RegistryPath* canonical,
                   bool* created);
    LONG QueryValue(const RegistryPath& key, const std::string& name, RegistryValue* value) const;
    LONG SetValue(const RegistryPath& key, RegistryValue value);
    LONG EnumKey(const RegistryPath& key, DWORD index, std::string* name) const;
    LONG DeleteValue(const RegistryPath& key, const std::string& name);
    // Deletes base\sub with its subtree; sub must not be empty.
    LONG DeleteKey(const RegistryPath& base, const RegistryPath& sub);

  private:
    template <typename Change>
    LONG Apply(Change change);
    bool Save(const RegistryKey& root);

    mutable std::mutex mutex_;
    RegistryKey root_;
    std::string backingFile_;
    DWORD writeFailure_ = 0;
    std::string lastSaveError_;
    std::string savedText_;  // what the backing file holds; empty when not yet written
};

// $XDG_CONFIG_HOME/sdwlan/registry.reg, or ~/.config/sdwlan/registry.reg.
std::string DefaultRegistryPath();
