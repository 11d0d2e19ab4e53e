// The driver's registry parameters: value types and sizes, messages (the read limit is what
// the ad_about_version_* scripts show).
#include "adapter/driver_params.h"

#include <string>

#include "adapter_fixture.h"
#include "platform/registry/registry_api.h"

namespace {

class DriverParamsTest : public RegistryTest {
  protected:
    // Type and size of a stored value; type 0 when absent.
    std::pair<DWORD, DWORD> TypeAndSize(const char16_t* name) {
        HKEY key = 0;
        DWORD type = 0, size = 0;
        if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, DriverParams::KEY, 0, KEY_READ, &key) == 0) {
            if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != 0) type = 0;
            RegCloseKey(key);
        }
        return {type, size};
    }
    WlanAdapter adapter;
    std::string text;
};

// Text values and their sizes are what traced scripts show (radio_trace, ad_profile_apply).
TEST_F(DriverParamsTest, NumberValuesAndOtherTypes) {
    adapter.WriteRegistryString("DebugModule", "12abc", 0);
    EXPECT_EQ(TypeAndSize(u"DebugModule"), std::make_pair(REG_DWORD, DWORD{4}));
    EXPECT_EQ(RegistryStore::Instance().GetDword(PARMS, "DebugModule"), 12u);
    adapter.WriteRegistryValue("DebugModule", "99999999999", 0);
    EXPECT_EQ(RegistryStore::Instance().GetDword(PARMS, "DebugModule"), 0xFFFFFFFFu);
    RegistryStore::Instance().SetDword(PARMS, "CCXFlags", 1);
    EXPECT_EQ(adapter.ReadRegistryValue("CCXFlags", text, 0), 1);  // other types: raw bytes
    EXPECT_EQ(text, "\x01");
    EXPECT_TRUE(messages.empty());
}

TEST_F(DriverParamsTest, AbsentValueKeepsTheTextAndAsksOnlyWithOne) {
    text = "default";
    EXPECT_EQ(adapter.ReadRegistryValue("RadioOn", text, 0), 0);
    EXPECT_EQ(adapter.ReadRegistryValue("RadioOn", text, 2), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(adapter.ReadRegistryValue("RadioOn", text, 1), 0);
    EXPECT_EQ(text, "default");
    EXPECT_EQ(messages,
              std::vector<std::string>{"registry of the item named 'RadioOn' can't be read"});
}

TEST_F(DriverParamsTest, FailedWritesAreReportedOnlyWhenAsked) {
    RegistryStore::Instance().SetWriteFailure(ERROR_ACCESS_DENIED);
    adapter.WriteRegistryValue("RtsThreshold", "100", 0);
    EXPECT_TRUE(messages.empty());
    adapter.WriteRegistryValue("RtsThreshold", "100", 2);
    RegistryStore::Instance().SetWriteFailure(0);
    EXPECT_FALSE(Stored("RtsThreshold"));
    RegistryStore::Instance().Reset();  // no key at all
    adapter.WriteRegistryValue("Rate", "15", 1);
    EXPECT_EQ(messages, (std::vector<std::string>{"registry RtsThreshold can't be set, code:5",
                                                  "registry Rate can't be set, code:2"}));
}

}  // namespace
