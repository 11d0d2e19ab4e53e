#include "platform/core/caller_pointer.h"

#include <map>
#include <mutex>

namespace {

struct Region {
    void* address;
    DWORD size;
};

std::mutex g_mutex;
std::map<DWORD, Region> g_regions;
DWORD g_next = 0x00010000;

}  // namespace

DWORD RegisterCallerBuffer(void* address, DWORD size) {
    if (address == nullptr) return 0;
    std::lock_guard lock(g_mutex);
    DWORD token;
    do {
        token = g_next;
        g_next += 0x10;
        if (g_next == 0 || g_next >= 0xFFFFFF00u) g_next = 0x00010000;
    } while (g_regions.count(token) != 0);
    g_regions[token] = Region{address, size};
    return token;
}

void UnregisterCallerBuffer(DWORD token) {
    std::lock_guard lock(g_mutex);
    g_regions.erase(token);
}

void* MapCallerPtr(DWORD token, DWORD size) {
    std::lock_guard lock(g_mutex);
    auto it = g_regions.find(token);
    if (it == g_regions.end() || size > it->second.size) return nullptr;
    return it->second.address;
}

DWORD CallerBufferSize(DWORD token) {
    std::lock_guard lock(g_mutex);
    auto it = g_regions.find(token);
    return it == g_regions.end() ? 0 : it->second.size;
}
