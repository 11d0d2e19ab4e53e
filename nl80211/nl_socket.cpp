#include "nl80211/nl_socket.h"

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>

#include <cerrno>

namespace {

struct Exchange {
    const NlSocket::OnReply* onReply;
    int error = 0;
    bool done = false;
};

int OnValid(nl_msg* message, void* arg) {
    auto* exchange = static_cast<Exchange*>(arg);
    auto* header = static_cast<genlmsghdr*>(nlmsg_data(nlmsg_hdr(message)));
    if (*exchange->onReply) {
        (*exchange->onReply)(genlmsg_attrdata(header, 0), genlmsg_attrlen(header, 0));
    }
    return NL_OK;
}

int OnFinish(nl_msg*, void* arg) {
    static_cast<Exchange*>(arg)->done = true;
    return NL_SKIP;
}

int OnError(sockaddr_nl*, nlmsgerr* error, void* arg) {
    auto* exchange = static_cast<Exchange*>(arg);
    exchange->error = -error->error;
    exchange->done = true;
    return NL_STOP;
}

}  // namespace

NlSocket::NlSocket() {
    sock_ = nl_socket_alloc();
    if (sock_ == nullptr) return;
    if (genl_connect(sock_) != 0) return;
    family_ = genl_ctrl_resolve(sock_, NL80211_GENL_NAME);
}

NlSocket::~NlSocket() {
    if (sock_ != nullptr) nl_socket_free(sock_);
}

nl_msg* NlSocket::Message(std::uint8_t command, std::uint32_t ifindex, bool dump) const {
    nl_msg* message = nlmsg_alloc();
    if (message == nullptr) return nullptr;
    genlmsg_put(message, NL_AUTO_PORT, NL_AUTO_SEQ, family_, 0, dump ? NLM_F_DUMP : 0, command, 0);
    if (ifindex != 0) nla_put_u32(message, NL80211_ATTR_IFINDEX, ifindex);
    return message;
}

int NlSocket::Run(nl_msg* message, const OnReply& onReply) {
    if (message == nullptr) return ENOMEM;
    if (!Ready()) {
        nlmsg_free(message);
        return ENODEV;
    }
    Exchange exchange{&onReply};
    nl_cb* callbacks = nl_cb_alloc(NL_CB_DEFAULT);
    nl_cb_set(callbacks, NL_CB_VALID, NL_CB_CUSTOM, OnValid, &exchange);
    nl_cb_set(callbacks, NL_CB_FINISH, NL_CB_CUSTOM, OnFinish, &exchange);
    nl_cb_set(callbacks, NL_CB_ACK, NL_CB_CUSTOM, OnFinish, &exchange);
    nl_cb_err(callbacks, NL_CB_CUSTOM, OnError, &exchange);
    int sent = nl_send_auto(sock_, message);
    nlmsg_free(message);
    if (sent < 0) exchange = Exchange{&onReply, EIO, true};
    while (!exchange.done) {
        if (nl_recvmsgs(sock_, callbacks) < 0 && !exchange.done) {
            exchange.error = EIO;
            break;
        }
    }
    nl_cb_put(callbacks);
    return exchange.error;
}
