// The request trace shows writes of the driver's parameters and nothing for other keys. Its
// request lines, pending answers among them, are in the golden scripts' transcripts.
#include "main/request_trace.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/clock.h"
#include "platform/registry/registry_api.h"
#include "platform/registry/registry_store.h"

namespace {

TEST(RequestTrace, ShowsDriverParameterWritesOnly) {
    VirtualClock clock(7);
    SetPlatformClock(&clock);
    RegistryStore::Instance().Reset();
    std::ostringstream out;
    RequestTrace::Instance().SetOutput(&out);
    for (const char16_t* key : {u"Comm\\KESTREL1\\Parms", u"Software\\Other"}) {
        HKEY handle = 0;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &handle, nullptr),
                  ERROR_SUCCESS);
        const DWORD on = 1;
        RegSetValueEx(handle, u"RadioOn", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), 4);
        RegCloseKey(handle);
    }
    RequestTrace::Instance().Reset();
    RegistryStore::Instance().Reset();
    SetPlatformClock(nullptr);
    EXPECT_EQ(
        out.str(),
        "         7 registry Comm\\KESTREL1\\Parms RadioOn type=4 len=4 result=0 01 00 00 00\n");
}

}  // namespace
