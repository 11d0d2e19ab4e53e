#include "sim/card_address.h"

#include "platform/core/ip_helper.h"

CardAddress::CardAddress(std::string adapterName, std::string ip, std::string mask)
    : adapter_(std::move(adapterName)), ip_(std::move(ip)), mask_(std::move(mask)) {}

CardAddress::~CardAddress() { Retire(); }

void CardAddress::Follow(bool connected) {
    bool list = connected && !retired_ && !ip_.empty();
    if (list == listed_) return;
    if (list) {
        SetAdapterAddress(adapter_, ip_, mask_);
    } else {
        RemoveAdapterAddress(adapter_);
    }
    listed_ = list;
}

void CardAddress::Retire() {
    Follow(false);
    retired_ = true;
}
