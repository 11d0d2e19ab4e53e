// The process's handle table: 32-bit handles for kernel objects.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/core/kernel_object.h"
#include "platform/core/win_types.h"

class HandleTable {
  public:
    static HandleTable& Instance();

    // Returns a fresh handle for the object (never 0, never all ones).
    HANDLE Insert(std::shared_ptr<KernelObject> object);
    std::shared_ptr<KernelObject> Find(HANDLE handle) const;
    template <typename T>
    std::shared_ptr<T> Get(HANDLE handle) const {
        return std::dynamic_pointer_cast<T>(Find(handle));
    }
    // Removes the handle; the object's OnClose runs. False for an unknown handle.
    bool Close(HANDLE handle);
    std::size_t Count() const;
    // Closes every handle (test isolation and process end).
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::map<HANDLE, std::shared_ptr<KernelObject>> objects_;
    HANDLE next_ = 0x1000;
};

// Closes any kernel handle; sets ERROR_INVALID_HANDLE and returns FALSE for an unknown one.
BOOL CloseHandle(HANDLE handle);
