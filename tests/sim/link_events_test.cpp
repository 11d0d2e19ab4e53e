// The link as script commands change it where the utility cannot see it: what a dropped link
// reads and the adapter's address in the IP helper. (The sm_ scripts of the headless tests check
// scan states, joins, the signal walk, scenario link events and the commands' errors.)
#include "sim/sim_command.h"
#include "sim_fixture.h"

namespace {

using Args = std::vector<std::string>;
const std::vector<BYTE> kHarbor = {0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x01};

struct Address {
    std::string ip, mask;
    bool operator==(const Address&) const = default;
};

// The address the IP helper lists for an adapter, as the utility reads it.
std::optional<Address> Listed(const std::string& adapter) {
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return std::nullopt;
    std::vector<IP_ADAPTER_INFO> infos(size / sizeof(IP_ADAPTER_INFO));
    if (GetAdaptersInfo(infos.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    for (const IP_ADAPTER_INFO* info = infos.data(); info != nullptr; info = info->Next) {
        if (adapter == info->AdapterName) {
            return Address{info->IpAddressList.IpAddress.String, info->IpAddressList.IpMask.String};
        }
    }
    return std::nullopt;
}

const Address kDefaultAddress{"192.0.2.15", "255.255.255.0"};

}  // namespace

class LinkEventsTest : public SimTest {
  protected:
    std::string Run(const Args& args) { return SimCommand::Run(*host, args); }
    int Signal() { return static_cast<LONG>(QueryWord(kRssi)); }
    std::vector<BYTE> Bssid() {
        std::vector<BYTE> bssid(6);
        EXPECT_EQ(Query(kBssid, bssid).status, 0u);
        return bssid;
    }
};

// The link down by command, radio, disassociation or removal withdraws the address.
TEST_F(LinkEventsTest, LinkDownDisconnectsAndWithdrawsTheAddressUpRestoresBoth) {
    StartOpen();
    EXPECT_EQ(Listed("KESTREL1"), kDefaultAddress);
    ASSERT_EQ(Run({"link", "down"}), "");
    EXPECT_EQ(QueryWord(kMediaConnectStatus), 1u);
    EXPECT_EQ(QueryWord(kScanState), 0u);
    EXPECT_EQ(Bssid(), kHarbor);  // still readable while disconnected
    EXPECT_EQ(Signal(), -100);
    EXPECT_EQ(QueryWord(kLinkQuality), 0u);
    EXPECT_EQ(QueryWord(kLinkSpeed), 0u);
    EXPECT_FALSE(Listed("KESTREL1"));

    ASSERT_EQ(Run({"scan-state", "1"}), "");
    ASSERT_EQ(Run({"link", "up"}), "");
    EXPECT_EQ(QueryWord(kScanState), 0u);
    EXPECT_EQ(Listed("KESTREL1"), kDefaultAddress);

    ASSERT_EQ(SetWord(kRadioState, 0).status, 0u);
    EXPECT_EQ(QueryWord(kMediaConnectStatus), 1u);
    EXPECT_FALSE(Listed("KESTREL1"));
    SetWord(kRadioState, 1);
    EXPECT_EQ(QueryWord(kMediaConnectStatus), 0u);
    EXPECT_EQ(Listed("KESTREL1"), kDefaultAddress);
    ASSERT_EQ(Set(kDisassociate, {}).status, 0u);
    EXPECT_FALSE(Listed("KESTREL1"));
    Run({"link", "up"});
    host->RemoveCard();
    EXPECT_FALSE(Listed("KESTREL1"));
    EXPECT_EQ(Run({"link", "up"}), "link: the card of adapter KESTREL1 is removed");
    EXPECT_FALSE(Listed("KESTREL1"));
}

TEST_F(LinkEventsTest, AddressesFromTheScenarioAndByPosition) {
    Start(Scenario::Parse(R"({"adapters": [
        {"name": "A", "link": {"connected": true, "ssid": "x"}},
        {"name": "B", "link": {"connected": true, "ssid": "y"},
         "ipAddress": "198.51.100.7", "ipMask": "255.255.0.0"},
        {"name": "C", "link": {"connected": true, "ssid": "z"}, "ipAddress": ""},
        {"name": "D", "link": {"connected": true, "ssid": "w"}}]})"));
    EXPECT_EQ(Listed("A"), kDefaultAddress);
    EXPECT_EQ(Listed("B"), (Address{"198.51.100.7", "255.255.0.0"}));
    EXPECT_FALSE(Listed("C"));
    EXPECT_EQ(Listed("D"), (Address{"192.0.2.18", "255.255.255.0"}));
    host.reset();
    ULONG size = 0;
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_NO_DATA);
}

TEST_F(LinkEventsTest, CommandsNeedAWirelessAdapter) {
    Start(Scenario::Parse(R"({"adapters": [{"name": "NE1", "wireless": false}]})"));
    EXPECT_EQ(Run({"signal", "-50"}), "signal: no wireless adapter in the scenario");
    EXPECT_EQ(Run({"remove-card"}), "remove-card: no wireless adapter in the scenario");
}
