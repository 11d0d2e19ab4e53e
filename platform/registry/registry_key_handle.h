// What a registry key handle refers to: the key's path (resolved on every call, so a handle to
// a deleted key fails cleanly) and the rights it was opened with.
#pragma once

#include "platform/core/kernel_object.h"
#include "platform/core/win_types.h"
#include "platform/registry/registry_path.h"

class RegistryKeyHandle final : public KernelObject {
  public:
    RegistryKeyHandle(RegistryPath path, DWORD access) : path_(std::move(path)), access_(access) {}
    const RegistryPath& Path() const { return path_; }
    bool Allows(DWORD rights) const { return (access_ & rights) == rights; }

  private:
    const RegistryPath path_;
    const DWORD access_;
};
