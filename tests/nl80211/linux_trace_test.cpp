// The request trace sees the Linux driver's requests and answers as it sees the simulator's.
#include <gtest/gtest.h>

#include <sstream>

#include "fake_wifi.h"
#include "link/adapter_channel.h"
#include "link/driver_library.h"
#include "main/request_trace.h"
#include "nl80211/linux_host.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"

TEST(LinuxTrace, ShowsTheInterfacesRequestsAndTheirAnswers) {
    VirtualClock clock(9);
    SetPlatformClock(&clock);
    RegistryStore::Instance().Reset();
    std::ostringstream out;
    {
        auto wifi = std::make_shared<FakeWifi>();
        HarborWorld(*wifi);
        LinuxHost host(wifi, {});
        RequestTrace::Instance().Install();
        AdapterChannel channel(u"wlan0");
        RequestTrace::Instance().SetOutput(&out);
        DWORD speed = 0, status = 1;
        channel.QueryOid(0x00010107, &speed, sizeof speed, &status);
        DWORD word = 0;
        channel.QueryOid(0xFFA0C801, &word, sizeof word, &status);
        RequestTrace::Instance().Reset();
    }
    DeviceManager::Instance().Reset();
    DriverLibrary() = DriverLibraryState{};
    RegistryStore::Instance().Reset();
    SetPlatformClock(nullptr);

    const std::string text = out.str();
    // 54 Mbit/s: 540000 in 100 bit/s units.
    EXPECT_NE(text.find("         9 wlan0 query OID_GEN_LINK_SPEED len=4 status=00000000 "
                        "60 3D 08 00\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("         9 wlan0 query OID_PRIV_MAC_REGISTER len=4 status=C00000BB"),
              std::string::npos)
        << text;
}
