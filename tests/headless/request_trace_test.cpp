// The request trace as the program installs it: a pending request's two lines, a driver
// parameter write with its bytes, and nothing for other keys.
#include "main/request_trace.h"

#include <gtest/gtest.h>

#include <sstream>

#include "link/adapter_channel.h"
#include "link/driver_library.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_store.h"
#include "sim/sim_card.h"
#include "sim/sim_host.h"

namespace {

void WriteDword(const char16_t* key, const char16_t* name, DWORD value) {
    HKEY handle = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueEx(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(handle);
}

TEST(RequestTrace, ShowsPendingAnswersAndDriverParameterWrites) {
    VirtualClock clock(7);
    SetPlatformClock(&clock);
    RegistryStore::Instance().Reset();
    std::ostringstream out;
    {
        SimHost host(Scenario::Default());
        FaultSpec pend;
        pend.oid = 0x00010107;
        pend.kind = FaultKind::Pending;
        pend.times = 1;
        host.Card(u"KESTREL1")->AddFault(pend);
        RequestTrace::Instance().Install();
        AdapterChannel channel(u"KESTREL1");
        RequestTrace::Instance().SetOutput(&out);
        DWORD speed = 0, status = 1;
        channel.QueryOid(0x00010107, &speed, sizeof speed, &status);
        WriteDword(u"Comm\\KESTREL1\\Parms", u"RadioOn", 1);
        WriteDword(u"Software\\Other", u"Ignored", 2);
        RequestTrace::Instance().Reset();
    }
    DeviceManager::Instance().Reset();
    DriverLibrary() = DriverLibraryState{};
    RegistryStore::Instance().Reset();
    SetPlatformClock(nullptr);

    const std::string text = out.str();
    const std::string request = "         7 KESTREL1 query OID_GEN_LINK_SPEED len=4 ";
    EXPECT_NE(text.find(request + "pending\n"), std::string::npos) << text;
    EXPECT_NE(text.find(request + "status=00000000 "), std::string::npos) << text;
    EXPECT_NE(text.find("         7 registry Comm\\KESTREL1\\Parms RadioOn type=4 len=4 result=0 "
                        "01 00 00 00\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Ignored"), std::string::npos) << text;
}

}  // namespace
