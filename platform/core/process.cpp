#include "platform/core/process.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>

namespace {

// The process id, read once: on the handheld the call is a memory read, and a system call on
// every OID request would cost more than the rest of the request. A forked child reads it anew.
std::atomic<DWORD> g_processId{0};

void ForgetProcessId() { g_processId.store(0, std::memory_order_relaxed); }

}  // namespace

DWORD GetCurrentProcessId() {
    DWORD id = g_processId.load(std::memory_order_relaxed);
    if (id != 0) return id;
    static const bool kForgottenAtFork = pthread_atfork(nullptr, nullptr, &ForgetProcessId) == 0;
    id = static_cast<DWORD>(::getpid());
    // Without the fork handler every call asks the system.
    if (kForgottenAtFork) g_processId.store(id, std::memory_order_relaxed);
    return id;
}

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> next{0x100};
    thread_local DWORD id = next.fetch_add(4);
    return id;
}
