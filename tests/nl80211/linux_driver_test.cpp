// The Linux protocol driver installed in the device manager, reached the way the utility reaches
// a card: the binding list on "RAD4:" and the utility's own adapter over the driver contract.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "adapter/oid_adapter.h"
#include "fake_wifi.h"
#include "link/driver_library.h"
#include "nl80211/linux_host.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/core/handle_table.h"
#include "platform/registry/registry_store.h"
#include "support/message_capture.h"

namespace {

class LinuxDriverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPlatformClock(&clock);
        RegistryStore::Instance().Reset();
        HarborWorld(*wifi);
        host = std::make_unique<LinuxHost>(
            wifi, [this](const std::string& line) { notices.push_back(line); });
        adapter = std::make_unique<OidAdapter>(u"wlan0");
    }
    void TearDown() override {
        adapter.reset();
        host.reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        RegistryStore::Instance().Reset();
        SetPlatformClock(nullptr);
    }

    VirtualClock clock{1000};
    std::shared_ptr<FakeWifi> wifi = std::make_shared<FakeWifi>();
    std::unique_ptr<LinuxHost> host;
    std::unique_ptr<OidAdapter> adapter;
    MessageCapture captured;
    std::vector<std::string>& messages = captured.texts;
    std::vector<std::string> notices;
};

}  // namespace

TEST_F(LinuxDriverTest, BindingListNamesEveryWirelessInterface) {
    WifiInterface second = wifi->interfaces[0];
    second.name = "wlp2s0";
    wifi->interfaces.push_back(second);
    RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350);
    HANDLE device = CreateFile(u"RAD4:", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, 0);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    char16_t names[64] = {};
    DWORD returned = 0;
    ASSERT_TRUE(
        DeviceIoControl(device, 0x80002010, nullptr, 0, names, sizeof names, &returned, nullptr));
    EXPECT_EQ(returned, (6 + 7 + 1) * 2u);
    EXPECT_EQ(std::u16string(names, 13), std::u16string(u"wlan0\0wlp2s0", 12) + u'\0');
    CloseHandle(device);
}

TEST_F(LinuxDriverTest, StatusFiguresReachTheUtility) {
    std::string text;
    ASSERT_EQ(adapter->GetSsid(text), 1);
    EXPECT_EQ(text, "Harbor");
    ASSERT_EQ(adapter->GetBssidText(text), 1);
    EXPECT_EQ(text, "02-00-00-00-00-00");
    wifi->station.txBitrate100k = 110;  // the utility names the 802.11b rates only
    ASSERT_EQ(adapter->GetLinkSpeedText(text), 1);
    EXPECT_EQ(text, "11 Mbps");
    int state = -1;
    ASSERT_EQ(adapter->GetConnectStatus(state), 1);
    EXPECT_EQ(state, 0);
    NdisConfiguration configuration{};
    int channel = 0;
    ASSERT_EQ(adapter->GetConfiguration(configuration, channel), 1);
    EXPECT_EQ(channel, 6);
    ULONGLONG txBytes = 0, rxBytes = 0;
    DWORD sent = 0, sendErrors = 0, received = 0, goodCrc = 0, rxErrors = 0;
    adapter->GetStatistics(txBytes, rxBytes, sent, sendErrors, received, goodCrc, rxErrors);
    EXPECT_EQ(txBytes, 5000000000ULL);
    EXPECT_EQ(sent, 120u);
    EXPECT_EQ(received, 340u);
    EXPECT_EQ(sendErrors, 3u);
}

TEST_F(LinuxDriverTest, ScanListAndJoinTravelTheContract) {
    ASSERT_EQ(adapter->StartScan(), 1);
    NdisBssidList list{};
    ASSERT_EQ(adapter->GetBssidList(list), 1);
    ASSERT_EQ(list.numberOfItems, 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(list.bssid[1].ssid), list.bssid[1].ssidLength),
              "Quay");
    EXPECT_EQ(list.bssid[1].configuration.dsConfig, 2462000u);
    EXPECT_EQ(list.bssid[0].supportedRates[0], 0x82);  // basic-rate bit kept
    // The parameters key is there, as after a driver installation: the SSID is stored too.
    ASSERT_EQ(adapter->SetSsid("Quay", 1), 1);
    EXPECT_EQ(wifi->changes, (std::vector<std::string>{"scan wlan0", "connect wlan0 Quay 2462"}));
    EXPECT_EQ(RegistryStore::Instance().GetString("Comm\\KESTREL1\\Parms", "Ssid"), "Quay");
    EXPECT_TRUE(messages.empty());
}

TEST_F(LinuxDriverTest, UnsupportedAndRefusedRequestsFailInTheUtility) {
    DWORD value = 0;
    EXPECT_EQ(adapter->ReadMacRegister(0x10, value), 0);
    WORD size = 0;
    EXPECT_EQ(adapter->GetEepromSize(size), 0);
    wifi->refusal = EPERM;
    EXPECT_EQ(adapter->SetRadioState(0), 0);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("CAP_NET_ADMIN"), std::string::npos);
    EXPECT_EQ(adapter->SetSsid("Quay", 0), 0);
    EXPECT_EQ(messages.back(), "Failed to set SSID");
}
