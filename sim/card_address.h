// The adapter's IPv4 address in the network stack's adapter list (the IP helper): listed while
// the card's link is up, withdrawn while it is down, and for good once the card or its host
// is gone. Not locked; SimCard serialises every use.
#pragma once

#include <string>

class CardAddress {
  public:
    // An empty address is never listed.
    CardAddress(std::string adapterName, std::string ip, std::string mask);
    ~CardAddress();
    CardAddress(const CardAddress&) = delete;
    CardAddress& operator=(const CardAddress&) = delete;

    // Lists the address while `connected`, withdraws it otherwise.
    void Follow(bool connected);
    // Withdraws the address and never lists it again.
    void Retire();
    bool Listed() const { return listed_; }

  private:
    std::string adapter_;
    std::string ip_;
    std::string mask_;
    bool listed_ = false;
    bool retired_ = false;
};
