#include "platform/core/handle_table.h"

#include "platform/core/last_error.h"

HandleTable& HandleTable::Instance() {
    static HandleTable table;
    return table;
}

HANDLE HandleTable::Insert(std::shared_ptr<KernelObject> object) {
    std::lock_guard lock(mutex_);
    return objects_.Insert(std::move(object));
}

std::shared_ptr<KernelObject> HandleTable::Find(HANDLE handle) const {
    std::lock_guard lock(mutex_);
    const std::shared_ptr<KernelObject>* object = objects_.Find(handle);
    return object == nullptr ? nullptr : *object;
}

bool HandleTable::Close(HANDLE handle) {
    std::shared_ptr<KernelObject> object;
    {
        std::lock_guard lock(mutex_);
        if (!objects_.Erase(handle, &object)) return false;
    }
    object->OnClose();
    return true;
}

std::size_t HandleTable::Count() const {
    std::lock_guard lock(mutex_);
    return objects_.Size();
}

void HandleTable::Clear() {
    std::vector<std::shared_ptr<KernelObject>> objects;
    {
        std::lock_guard lock(mutex_);
        objects = objects_.TakeAll();
    }
    for (auto& object : objects) object->OnClose();
}

BOOL CloseHandle(HANDLE handle) {
    if (!HandleTable::Instance().Close(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
