// The OIDs of a Linux interface answered from a stand-in source: NDIS statuses for what a Linux
// card cannot do, short buffers, changes sent to the kernel and changes it refuses.
#include "nl80211/linux_card.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "fake_wifi.h"
#include "rad4/oids.h"

namespace {

using namespace oids;

class LinuxCardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HarborWorld(wifi);
        card = std::make_unique<LinuxCard>(
            wifi, wifi.interfaces[0], [this](const std::string& line) { notices.push_back(line); });
    }
    OidAnswer Query(DWORD oid, DWORD length = 4) { return card->Handle({0, oid, length, {}}); }
    OidAnswer Set(DWORD oid, std::vector<BYTE> payload) {
        auto length = static_cast<DWORD>(payload.size());
        return card->Handle({1, oid, length, std::move(payload)});
    }
    static std::vector<BYTE> Word(DWORD value) {
        std::vector<BYTE> bytes(4);
        std::memcpy(bytes.data(), &value, 4);
        return bytes;
    }
    static DWORD WordOf(const OidAnswer& answer) {
        DWORD value = 0;
        std::memcpy(&value, answer.data.data(), std::min<std::size_t>(4, answer.data.size()));
        return value;
    }

    FakeWifi wifi;
    std::unique_ptr<LinuxCard> card;
    std::vector<std::string> notices;
};

}  // namespace

TEST_F(LinuxCardTest, WhatALinuxCardHasNoCounterpartForIsNotSupported) {
    for (DWORD oid : {kMacRegister, kBasebandRegister, kEeprom, kDiagCounters805, kDiagCounters80D,
                      kKeyEntry, 0x12345678u}) {
        EXPECT_EQ(Query(oid, 64).status, ndis::kNotSupported) << std::hex << oid;
        EXPECT_EQ(Set(oid, std::vector<BYTE>(12)).status, ndis::kNotSupported) << std::hex << oid;
    }
    EXPECT_TRUE(wifi.changes.empty());
}

TEST_F(LinuxCardTest, AnswersComeFromTheKernelFiguresAndShortBuffersSayWhatIsNeeded) {
    EXPECT_EQ(WordOf(Query(kLinkSpeed)), 540000u);    // 54 Mbit/s in 100 bit/s
    EXPECT_EQ(WordOf(Query(kNetworkTypeInUse)), 3u);  // OFDM at 2.4 GHz: the utility binds it
    EXPECT_EQ(WordOf(Query(kMaximumTotalSize)), 1514u);
    auto frames = Query(kXmitOk, 8);
    EXPECT_EQ(frames.data.size(), 8u);
    EXPECT_EQ(WordOf(frames), 120u);
    auto shortSsid = Query(kSsid, 20);
    EXPECT_EQ(shortSsid.status, ndis::kBufferTooShort);
    EXPECT_EQ(shortSsid.bytesNeeded, 36u);
    auto configuration = Query(kConfiguration, 32);
    ASSERT_EQ(configuration.data.size(), 32u);
    DWORD khz = 0;
    std::memcpy(&khz, configuration.data.data() + 12, 4);
    EXPECT_EQ(khz, 2437000u);
    wifi.scanning = true;
    EXPECT_EQ(WordOf(Query(kScanState)), 1u);
    wifi.powerSave.reset();  // a driver without power saving
    EXPECT_EQ(Query(kPowerMode).status, ndis::kNotSupported);
}

TEST_F(LinuxCardTest, DisconnectedInterfaceReportsNoLink) {
    wifi.interfaces[0].ssid.clear();
    wifi.station = StationFigures{};
    wifi.networks[0].associated = false;
    EXPECT_EQ(WordOf(Query(kMediaConnectStatus)), 1u);  // disconnected
    EXPECT_EQ(WordOf(Query(kLinkQuality)), 0u);
    EXPECT_EQ(Query(kBssid, 6).data, std::vector<BYTE>(6, 0));
}

TEST_F(LinuxCardTest, JoiningBySsidTakesTheFrequencyFromTheScanResults) {
    std::vector<BYTE> record(36);
    record[0] = 4;
    std::memcpy(record.data() + 4, "Quay", 4);
    EXPECT_EQ(Set(kSsid, record).status, ndis::kSuccess);
    record[0] = 33;
    EXPECT_EQ(Set(kSsid, record).status, ndis::kInvalidData);
    EXPECT_EQ(Set(kSsid, std::vector<BYTE>(10)).status, ndis::kBufferTooShort);
    EXPECT_EQ(Set(kBssidListScan, {}).status, ndis::kSuccess);
    EXPECT_EQ(Set(kRadioState, Word(0)).status, ndis::kSuccess);
    EXPECT_EQ(Set(kRadioState, Word(2)).status, ndis::kInvalidData);
    EXPECT_EQ(Set(kPowerMode, Word(2)).status, ndis::kSuccess);
    EXPECT_EQ(wifi.changes, (std::vector<std::string>{"connect wlan0 Quay 2462", "scan wlan0",
                                                      "radio off", "power save on"}));
}

TEST_F(LinuxCardTest, RadioSwitchedOnAgainJoinsTheNetworkItWasOn) {
    EXPECT_EQ(Set(kRadioState, Word(0)).status, ndis::kSuccess);
    wifi.interfaces[0].ssid.clear();  // the kernel dropped the link
    EXPECT_EQ(Set(kRadioState, Word(1)).status, ndis::kSuccess);
    EXPECT_EQ(Set(kRadioState, Word(1)).status, ndis::kSuccess);  // once only
    EXPECT_EQ(wifi.changes, (std::vector<std::string>{"radio off", "radio on",
                                                      "connect wlan0 Harbor 2437", "radio on"}));
}

TEST_F(LinuxCardTest, SettingsALinuxStationAlreadyHasAreAcceptedOthersAreNot) {
    EXPECT_EQ(Set(kInfrastructureMode, Word(1)).status, ndis::kSuccess);
    EXPECT_EQ(Set(kInfrastructureMode, Word(0)).status, ndis::kNotSupported);
    EXPECT_EQ(Set(kWepDisable, Word(1)).status, ndis::kSuccess);  // encryption off
    EXPECT_EQ(Set(kWepDisable, Word(0)).status, ndis::kNotSupported);
    EXPECT_EQ(Set(kInfrastructureMode, {1, 0}).status, ndis::kInvalidLength);
}

TEST_F(LinuxCardTest, RefusedChangeFailsAndSaysWhichPrivilegeItNeeds) {
    wifi.refusal = EPERM;
    EXPECT_EQ(Set(kBssidListScan, {}).status, ndis::kFailure);
    EXPECT_EQ(Set(kRadioState, Word(1)).status, ndis::kFailure);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], "wlan0: scan refused: " + std::string(std::strerror(EPERM)) +
                              " (needs root or CAP_NET_ADMIN)");
    wifi.refusal = ENETDOWN;
    EXPECT_EQ(Set(kPowerMode, Word(0)).status, ndis::kFailure);
    EXPECT_EQ(notices.back(),
              "wlan0: power saving refused: " + std::string(std::strerror(ENETDOWN)));
}
