#include "platform/core/handle_table.h"

#include "platform/core/last_error.h"

HandleTable& HandleTable::Instance() {
    static HandleTable table;
    return table;
}

HANDLE HandleTable::Insert(std::shared_ptr<KernelObject> object) {
    std::lock_guard lock(mutex_);
    HANDLE handle;
    do {
        handle = next_;
        next_ += 4;
        if (next_ >= 0xFFFFFFF0u) next_ = 0x1000;
    } while (objects_.count(handle) != 0);
    objects_[handle] = std::move(object);
    return handle;
}

std::shared_ptr<KernelObject> HandleTable::Find(HANDLE handle) const {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second;
}

bool HandleTable::Close(HANDLE handle) {
    std::shared_ptr<KernelObject> object;
    {
        std::lock_guard lock(mutex_);
        auto it = objects_.find(handle);
        if (it == objects_.end()) return false;
        object = std::move(it->second);
        objects_.erase(it);
    }
    object->OnClose();
    return true;
}

std::size_t HandleTable::Count() const {
    std::lock_guard lock(mutex_);
    return objects_.size();
}

void HandleTable::Clear() {
    std::map<HANDLE, std::shared_ptr<KernelObject>> objects;
    {
        std::lock_guard lock(mutex_);
        objects.swap(objects_);
    }
    for (auto& [handle, object] : objects) object->OnClose();
}

BOOL CloseHandle(HANDLE handle) {
    if (!HandleTable::Instance().Close(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
