// The IP helper lists the wireless interfaces' real addresses: the loopback interface stands in
// for one here, as every machine has it.
#include "nl80211/interface_addresses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fake_wifi.h"
#include "platform/core/ip_helper.h"

namespace {

std::vector<std::string> Listed() {
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return {};
    std::vector<IP_ADAPTER_INFO> buffer(size / sizeof(IP_ADAPTER_INFO) + 1);
    GetAdaptersInfo(buffer.data(), &size);
    std::vector<std::string> listed;
    for (IP_ADAPTER_INFO* info = buffer.data(); info != nullptr; info = info->Next) {
        listed.push_back(std::string(info->AdapterName) + " " +
                         info->IpAddressList.IpAddress.String + " " +
                         info->IpAddressList.IpMask.String);
    }
    return listed;
}

}  // namespace

TEST(InterfaceAddresses, ListsTheInterfacesAddressesWhileTheyAreKnown) {
    ClearAdapterAddresses();
    FakeWifi wifi;
    wifi.interfaces.emplace_back().name = "lo";
    wifi.interfaces.emplace_back().name = "no-such-interface0";
    {
        InterfaceAddresses addresses;
        addresses.Refresh(wifi);
        EXPECT_EQ(Listed(), std::vector<std::string>{"lo 127.0.0.1 255.0.0.0"});
    }
    EXPECT_TRUE(Listed().empty());  // gone with the driver
}
