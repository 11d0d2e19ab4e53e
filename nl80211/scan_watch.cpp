#include "nl80211/scan_watch.h"

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>

ScanWatch::ScanWatch() {
    sock_ = nl_socket_alloc();
    if (sock_ == nullptr) return;
    int group = -1;
    if (genl_connect(sock_) == 0) group = genl_ctrl_resolve_grp(sock_, NL80211_GENL_NAME, "scan");
    if (group < 0 || nl_socket_add_membership(sock_, group) != 0) {
        nl_socket_free(sock_);
        sock_ = nullptr;
        return;
    }
    // Events carry no sequence number of ours.
    nl_socket_disable_seq_check(sock_);
    nl_socket_set_nonblocking(sock_);
    nl_socket_modify_cb(sock_, NL_CB_VALID, NL_CB_CUSTOM, OnEvent, this);
}

ScanWatch::~ScanWatch() {
    if (sock_ != nullptr) nl_socket_free(sock_);
}

int ScanWatch::OnEvent(nl_msg* message, void* arg) {
    auto* watch = static_cast<ScanWatch*>(arg);
    auto* header = static_cast<genlmsghdr*>(nlmsg_data(nlmsg_hdr(message)));
    nlattr* at[NL80211_ATTR_MAX + 1] = {};
    nla_policy policy[NL80211_ATTR_MAX + 1] = {};
    policy[NL80211_ATTR_IFINDEX].type = NLA_U32;
    if (genlmsg_parse(nlmsg_hdr(message), 0, at, NL80211_ATTR_MAX, policy) != 0 ||
        !at[NL80211_ATTR_IFINDEX]) {
        return NL_SKIP;
    }
    std::uint32_t ifindex = nla_get_u32(at[NL80211_ATTR_IFINDEX]);
    if (header->cmd == NL80211_CMD_TRIGGER_SCAN) {
        watch->scanning_.insert(ifindex);
    } else if (header->cmd == NL80211_CMD_NEW_SCAN_RESULTS ||
               header->cmd == NL80211_CMD_SCAN_ABORTED) {
        watch->scanning_.erase(ifindex);
    }
    return NL_SKIP;
}

void ScanWatch::Drain() {
    if (sock_ == nullptr) return;
    // Non-blocking: a read that finds no event waiting gives 0 messages and ends the loop.
    nl_cb* callbacks = nl_socket_get_cb(sock_);
    while (nl_recvmsgs_report(sock_, callbacks) > 0) {
    }
    nl_cb_put(callbacks);
}

void ScanWatch::Started(std::uint32_t ifindex) {
    Drain();
    scanning_.insert(ifindex);
}

bool ScanWatch::Scanning(std::uint32_t ifindex) {
    Drain();
    return scanning_.count(ifindex) != 0;
}
