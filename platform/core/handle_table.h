// The process's handle table: 32-bit handles for kernel objects.
#pragma once

#include <memory>
#include <mutex>
#include <type_traits>
#include <typeinfo>

#include "platform/core/kernel_object.h"
#include "platform/core/serial_table.h"
#include "platform/core/win_types.h"

class HandleTable {
  public:
    static HandleTable& Instance();

    // Returns a fresh handle for the object (never 0, never all ones).
    HANDLE Insert(std::shared_ptr<KernelObject> object);
    std::shared_ptr<KernelObject> Find(HANDLE handle) const;
    // The object when it is exactly a T (object classes are final, so no cast search is needed).
    template <typename T>
    std::shared_ptr<T> Get(HANDLE handle) const {
        static_assert(std::is_final_v<T>);
        std::shared_ptr<KernelObject> object = Find(handle);
        if (!object) return nullptr;
        const KernelObject& found = *object;
        if (typeid(found) != typeid(T)) return nullptr;
        return std::static_pointer_cast<T>(std::move(object));
    }
    // Removes the handle; the object's OnClose runs. False for an unknown handle.
    bool Close(HANDLE handle);
    std::size_t Count() const;
    // Closes every handle, oldest first (test isolation and process end).
    void Clear();

  private:
    mutable std::mutex mutex_;
    SerialTable<std::shared_ptr<KernelObject>, 4> objects_{0x1000, 0xFFFFFFF0u};
};

// Closes any kernel handle; sets ERROR_INVALID_HANDLE and returns FALSE for an unknown one.
BOOL CloseHandle(HANDLE handle);
