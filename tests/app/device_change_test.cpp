// Device-change notifications: only the removal of a port device that is not an active card
// instance ends the application. An unlisted device's removal is the script other_device_removal.
#include "app_fixture.h"
#include "platform/core/text.h"
#include "support/bytes.h"

namespace {

constexpr const char* CARD_KEY =
    "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1";

// A broadcast record: size, device type, reserved, then the UTF-16 name and its NUL.
Bytes Header(DWORD deviceType, const std::string& name) {
    const WString wide = Utf8ToWide(name);
    const auto* text = reinterpret_cast<const BYTE*>(wide.c_str());
    Bytes utf16(text, text + (wide.size() + 1) * 2);
    return Concat({Le32(DWORD(12 + utf16.size())), Le32(deviceType), Le32(0), utf16});
}

void WriteActiveDrivers() {
    RegistryStore& registry = RegistryStore::Instance();
    registry.SetString("Drivers\\Active\\01", "Name", "COM1:");
    registry.SetString("Drivers\\Active\\01", "Key", "\\Drivers\\BuiltIn\\Serial");
    // No "Name": skipped, and the search goes on.
    registry.SetString("Drivers\\Active\\02", "Key", CARD_KEY);
    registry.SetString("Drivers\\Active\\03", "Name", "SDC1:");
    registry.SetString("Drivers\\Active\\03", "Key", CARD_KEY);
}

// A record whose size leaves out the device name that follows it.
Bytes ShortRecord() {
    Bytes record = Header(DBT_DEVTYP_PORT, "COM9:");
    record[0] = 8;
    return record;
}

struct Notification {
    const char* what;
    UINT event;
    std::vector<BYTE> header;
    bool ends;
};

class DeviceChangeTest : public AppTest, public ::testing::WithParamInterface<Notification> {};

}  // namespace

TEST_P(DeviceChangeTest, EndsTheApplicationOnlyForTheRemovalOfAnotherPortDevice) {
    const Notification& notification = GetParam();
    StartDriver({u"SDW1"});
    WriteActiveDrivers();
    bool ended = false;
    Run([&](MainDialog& main) {
        BroadcastDeviceChange(notification.event, notification.header);
        ended = main.IsEnding();
    });
    EXPECT_EQ(ended, notification.ends) << notification.what;
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, DeviceChangeTest,
    ::testing::Values(
        Notification{"arrival", DBT_DEVICEARRIVAL, Header(DBT_DEVTYP_PORT, "COM9:"), false},
        Notification{"other key", DBT_DEVICEREMOVECOMPLETE, Header(DBT_DEVTYP_PORT, "COM1:"), true},
        Notification{"card", DBT_DEVICEREMOVECOMPLETE, Header(DBT_DEVTYP_PORT, "SDC1:"), false},
        Notification{"case differs", DBT_DEVICEREMOVECOMPLETE, Header(DBT_DEVTYP_PORT, "sdc1:"),
                     true},
        Notification{"other type", DBT_DEVICEREMOVECOMPLETE, Header(5, "COM9:"), false},
        Notification{"short record", DBT_DEVICEREMOVECOMPLETE, ShortRecord(), false}));

TEST_F(AppTest, WithoutActiveDriversNoDeviceIsTheCard) {
    EXPECT_FALSE(MainDialog::IsCardDevice(u"SDC1:"));
    WriteActiveDrivers();
    EXPECT_TRUE(MainDialog::IsCardDevice(u"SDC1:"));
    EXPECT_FALSE(MainDialog::IsCardDevice(u"SDC1"));
    EXPECT_FALSE(MainDialog::IsCardDevice(u""));
}
