#include "platform/core/process.h"

#include <unistd.h>

#include <atomic>

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> next{0x100};
    thread_local DWORD id = next.fetch_add(4);
    return id;
}
