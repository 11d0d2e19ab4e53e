// Follows the kernel's scan events: an interface is scanning from the trigger until the kernel
// reports new results or an aborted scan. The events are read without blocking whenever the
// state is asked for, so no caller ever waits on a scan.
#pragma once

#include <cstdint>
#include <set>

struct nl_sock;
struct nl_msg;

class ScanWatch {
  public:
    ScanWatch();
    ~ScanWatch();
    ScanWatch(const ScanWatch&) = delete;
    ScanWatch& operator=(const ScanWatch&) = delete;

    // A trigger this program sent (the kernel's own event may come later).
    void Started(std::uint32_t ifindex);
    bool Scanning(std::uint32_t ifindex);

  private:
    static int OnEvent(nl_msg* message, void* arg);
    void Drain();

    nl_sock* sock_ = nullptr;
    std::set<std::uint32_t> scanning_;
};
