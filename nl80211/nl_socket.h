// A generic netlink socket to the kernel's nl80211 family through libnl: one command at a time,
// each reply's attributes handed to a callback, and the kernel's answer as an errno value.
#pragma once

#include <cstdint>
#include <functional>

struct nl_sock;
struct nl_msg;
struct nlattr;

class NlSocket {
  public:
    using OnReply = std::function<void(nlattr* attrs, int length)>;

    NlSocket();
    ~NlSocket();
    NlSocket(const NlSocket&) = delete;
    NlSocket& operator=(const NlSocket&) = delete;

    // False when the kernel has no nl80211 (no wireless stack) or no socket could be opened.
    bool Ready() const { return family_ >= 0; }
    nl_sock* Socket() const { return sock_; }
    int Family() const { return family_; }

    // A message for `command` on interface `ifindex` (0: none); `dump` asks for every object.
    nl_msg* Message(std::uint8_t command, std::uint32_t ifindex, bool dump = false) const;
    // Sends the message (and frees it); 0, or the positive errno the kernel answered.
    int Run(nl_msg* message, const OnReply& onReply = {});

  private:
    nl_sock* sock_ = nullptr;
    int family_ = -1;
};
