#include "platform/core/caller_pointer.h"

#include <mutex>

#include "platform/core/serial_table.h"

namespace {

struct Region {
    void* address = nullptr;
    DWORD size = 0;
};

std::mutex g_mutex;
SerialTable<Region, 0x10> g_regions{0x00010000, 0xFFFFFF00u};

}  // namespace

DWORD RegisterCallerBuffer(void* address, DWORD size) {
    if (address == nullptr) return 0;
    std::lock_guard lock(g_mutex);
    return g_regions.Insert(Region{address, size});
}

void UnregisterCallerBuffer(DWORD token) {
    std::lock_guard lock(g_mutex);
    Region removed;
    g_regions.Erase(token, &removed);
}

void* MapCallerPtr(DWORD token, DWORD size) {
    std::lock_guard lock(g_mutex);
    const Region* region = g_regions.Find(token);
    return region == nullptr || size > region->size ? nullptr : region->address;
}

DWORD CallerBufferSize(DWORD token) {
    std::lock_guard lock(g_mutex);
    const Region* region = g_regions.Find(token);
    return region == nullptr ? 0 : region->size;
}
