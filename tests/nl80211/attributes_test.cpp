// Reading nl80211 replies built attribute by attribute as the kernel sends them: interfaces,
// station figures, scan results with their information elements, and replies that are short or
// malformed.
#include <gtest/gtest.h>
#include <linux/nl80211.h>
#include <netlink/genl/genl.h>
#include <netlink/msg.h>

#include "nl80211/nl_attributes.h"

namespace {

// One generic netlink message the test fills with nla_put.
class Reply {
  public:
    Reply() : msg_(nlmsg_alloc()) {
        genlmsg_put(msg_, 0, 0, 0x20, 0, 0, NL80211_CMD_NEW_SCAN_RESULTS, 0);
    }
    ~Reply() { nlmsg_free(msg_); }
    nl_msg* msg() { return msg_; }
    nlattr* attrs() { return genlmsg_attrdata(Header(), 0); }
    int length() { return genlmsg_attrlen(Header(), 0); }

  private:
    genlmsghdr* Header() { return static_cast<genlmsghdr*>(nlmsg_data(nlmsg_hdr(msg_))); }
    nl_msg* msg_;
};

const std::uint8_t kBssid[6] = {0x02, 0, 0, 0, 0, 0};

// A scan result: BSSID, 2437 MHz, -52.5 dBm, beacon 100, privacy, and the elements given.
void PutBss(Reply& reply, const std::vector<std::uint8_t>& elements, std::uint32_t status = 0) {
    nlattr* bss = nla_nest_start(reply.msg(), NL80211_ATTR_BSS);
    nla_put(reply.msg(), NL80211_BSS_BSSID, 6, kBssid);
    nla_put_u32(reply.msg(), NL80211_BSS_FREQUENCY, 2437);
    nla_put_u32(reply.msg(), NL80211_BSS_SIGNAL_MBM, static_cast<std::uint32_t>(-5250));
    nla_put_u16(reply.msg(), NL80211_BSS_BEACON_INTERVAL, 100);
    nla_put_u16(reply.msg(), NL80211_BSS_CAPABILITY, 0x0011);
    nla_put_u32(reply.msg(), NL80211_BSS_STATUS, status);
    nla_put(reply.msg(), NL80211_BSS_INFORMATION_ELEMENTS, static_cast<int>(elements.size()),
            elements.data());
    nla_nest_end(reply.msg(), bss);
}

}  // namespace

TEST(Nl80211Attributes, InterfaceGivesNameIndexAddressAndAssociation) {
    Reply reply;
    const std::uint8_t mac[6] = {0x02, 0, 0, 0, 1, 0};
    nla_put_u32(reply.msg(), NL80211_ATTR_IFINDEX, 7);
    nla_put_string(reply.msg(), NL80211_ATTR_IFNAME, "wlan0");
    nla_put_u32(reply.msg(), NL80211_ATTR_WIPHY, 1);
    nla_put_u32(reply.msg(), NL80211_ATTR_IFTYPE, NL80211_IFTYPE_STATION);
    nla_put(reply.msg(), NL80211_ATTR_MAC, 6, mac);
    nla_put(reply.msg(), NL80211_ATTR_SSID, 6, "Harbor");
    nla_put_u32(reply.msg(), NL80211_ATTR_WIPHY_FREQ, 2437);
    auto wifi = nl_attributes::Interface(reply.attrs(), reply.length());
    ASSERT_TRUE(wifi);
    EXPECT_EQ(wifi->name, "wlan0");
    EXPECT_EQ(wifi->index, 7u);
    EXPECT_EQ(wifi->wiphy, 1u);
    EXPECT_EQ(wifi->type, static_cast<std::uint32_t>(NL80211_IFTYPE_STATION));
    EXPECT_EQ(wifi->mac, (WifiMac{0x02, 0, 0, 0, 1, 0}));
    EXPECT_EQ(wifi->ssid, "Harbor");
    EXPECT_EQ(wifi->frequencyMhz, 2437u);
}

// A missing attribute, or one shorter than its type, refuses the record.
TEST(Nl80211Attributes, InterfaceOrStationWithMissingOrShortAttributesIsRefused) {
    Reply unnamed;
    nla_put_u32(unnamed.msg(), NL80211_ATTR_IFINDEX, 7);
    EXPECT_FALSE(nl_attributes::Interface(unnamed.attrs(), unnamed.length()));
    Reply shortIndex;
    nla_put_u8(shortIndex.msg(), NL80211_ATTR_IFINDEX, 7);
    nla_put_string(shortIndex.msg(), NL80211_ATTR_IFNAME, "wlan0");
    EXPECT_FALSE(nl_attributes::Interface(shortIndex.attrs(), shortIndex.length()));
    EXPECT_FALSE(nl_attributes::Interface(nullptr, 0));
    EXPECT_FALSE(nl_attributes::Station(unnamed.attrs(), unnamed.length()).present);
    Reply shortCounter;
    nlattr* info = nla_nest_start(shortCounter.msg(), NL80211_ATTR_STA_INFO);
    nla_put_u16(shortCounter.msg(), NL80211_STA_INFO_TX_PACKETS, 3);
    nla_nest_end(shortCounter.msg(), info);
    EXPECT_FALSE(nl_attributes::Station(shortCounter.attrs(), shortCounter.length()).present);
}

TEST(Nl80211Attributes, StationGivesSignalRateAndCounters) {
    Reply reply;
    const std::uint8_t peer[6] = {0x02, 0, 0, 0, 0, 0};
    nla_put(reply.msg(), NL80211_ATTR_MAC, 6, peer);
    nlattr* info = nla_nest_start(reply.msg(), NL80211_ATTR_STA_INFO);
    nla_put_u8(reply.msg(), NL80211_STA_INFO_SIGNAL, static_cast<std::uint8_t>(-47));
    nlattr* rate = nla_nest_start(reply.msg(), NL80211_STA_INFO_TX_BITRATE);
    nla_put_u16(reply.msg(), NL80211_RATE_INFO_BITRATE, 110);
    nla_put_u32(reply.msg(), NL80211_RATE_INFO_BITRATE32, 540);
    nla_nest_end(reply.msg(), rate);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_RX_BYTES, 1);
    nla_put_u64(reply.msg(), NL80211_STA_INFO_RX_BYTES64, 6000000000ULL);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_TX_BYTES, 900);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_RX_PACKETS, 31);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_TX_PACKETS, 29);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_TX_FAILED, 2);
    nla_put_u32(reply.msg(), NL80211_STA_INFO_TX_RETRIES, 5);
    nla_put_u64(reply.msg(), NL80211_STA_INFO_RX_DROP_MISC, 4);
    nla_nest_end(reply.msg(), info);
    StationFigures s = nl_attributes::Station(reply.attrs(), reply.length());
    EXPECT_TRUE(s.present);
    EXPECT_EQ(s.peer, (WifiMac{0x02, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.signalDbm, -47);
    EXPECT_EQ(s.txBitrate100k, 540u);     // the 32-bit rate wins over the 16-bit one
    EXPECT_EQ(s.rxBytes, 6000000000ULL);  // the 64-bit counter wins
    EXPECT_EQ(s.txBytes, 900u);
    EXPECT_EQ(s.rxPackets, 31u);
    EXPECT_EQ(s.txPackets, 29u);
    EXPECT_EQ(s.txFailed, 2u);
    EXPECT_EQ(s.txRetries, 5u);
    EXPECT_EQ(s.rxDropped, 4u);
}

TEST(Nl80211Attributes, BssGivesItsFiguresSsidAndRatesWithBasicBits) {
    Reply reply;
    // SSID "Harbor", supported rates 1(B) 2(B) 5.5 11 6 9 12 18, extended rates 24 36 48 54.
    PutBss(reply, {0,    6,    'H',  'a',  'r', 'b', 'o', 'r', 1, 8,    0x82, 0x84, 0x0B, 0x16,
                   0x0C, 0x12, 0x18, 0x24, 3,   1,   6,   50,  4, 0x30, 0x48, 0x60, 0x6C},
           NL80211_BSS_STATUS_ASSOCIATED);
    auto bss = nl_attributes::Bss(reply.attrs(), reply.length());
    ASSERT_TRUE(bss);
    EXPECT_EQ(bss->bssid, (WifiMac{0x02, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bss->ssid, "Harbor");
    EXPECT_EQ(bss->frequencyMhz, 2437u);
    EXPECT_EQ(bss->signalDbm, -52);
    EXPECT_EQ(bss->beaconInterval, 100);
    EXPECT_TRUE(bss->Privacy());
    EXPECT_FALSE(bss->Ibss());
    EXPECT_TRUE(bss->associated);
    EXPECT_EQ(bss->rates, (std::vector<std::uint8_t>{0x82, 0x84, 0x0B, 0x16, 0x0C, 0x12, 0x18, 0x24,
                                                     0x30, 0x48, 0x60, 0x6C}));
}

TEST(Nl80211Attributes, TruncatedElementStopsTheReadingAndKeepsWhatCameBefore) {
    BssInfo bss;
    const std::uint8_t elements[] = {0, 4, 'Q', 'u', 'a', 'y', 1, 9, 0x82, 0x84};
    nl_attributes::ReadElements(elements, sizeof elements, bss);
    EXPECT_EQ(bss.ssid, "Quay");
    EXPECT_TRUE(bss.rates.empty());
    BssInfo longSsid;
    std::vector<std::uint8_t> forty(42, 'x');
    forty[0] = 0;
    forty[1] = 40;
    nl_attributes::ReadElements(forty.data(), forty.size(), longSsid);
    EXPECT_EQ(longSsid.ssid.size(), 32u);
}

TEST(Nl80211Attributes, BssWithoutBssidIsSkippedAndOneNotJoinedIsNotAssociated) {
    Reply missing;
    nlattr* nest = nla_nest_start(missing.msg(), NL80211_ATTR_BSS);
    nla_put_u32(missing.msg(), NL80211_BSS_FREQUENCY, 2412);
    nla_nest_end(missing.msg(), nest);
    EXPECT_FALSE(nl_attributes::Bss(missing.attrs(), missing.length()));
    Reply seen;
    PutBss(seen, {}, 0);
    auto bss = nl_attributes::Bss(seen.attrs(), seen.length());
    ASSERT_TRUE(bss);
    EXPECT_FALSE(bss->associated);
    EXPECT_TRUE(bss->ssid.empty());
}

TEST(Nl80211Attributes, PowerSaveState) {
    Reply on;
    nla_put_u32(on.msg(), NL80211_ATTR_PS_STATE, NL80211_PS_ENABLED);
    EXPECT_EQ(nl_attributes::PowerSave(on.attrs(), on.length()), true);
    Reply off;
    nla_put_u32(off.msg(), NL80211_ATTR_PS_STATE, NL80211_PS_DISABLED);
    EXPECT_EQ(nl_attributes::PowerSave(off.attrs(), off.length()), false);
    Reply none;
    nla_put_u32(none.msg(), NL80211_ATTR_IFINDEX, 7);
    EXPECT_FALSE(nl_attributes::PowerSave(none.attrs(), none.length()));
}
