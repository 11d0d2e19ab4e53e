// Taking the card or another device out: the "Drivers\Active" list, the removal notification
// the top-level windows receive, a card that answers no more, and removals as scenario events
// on the virtual clock.
#include <cstring>

#include "platform/core/text.h"
#include "platform/ui/window.h"
#include "platform/ui/window_constants.h"
#include "sim_fixture.h"

namespace {

using Names = std::vector<std::string>;

// A top-level window that keeps the record of every device removal it is sent, as many bytes
// as the record's size field says.
class ListeningWindow : public Window {
  public:
    ListeningWindow() { CreateWindowObject(nullptr, 0, "listener", 0, 0, RECT{0, 0, 10, 10}); }
    std::vector<std::vector<BYTE>> received;

  protected:
    LRESULT OnDeviceChange(UINT event, const BYTE* header) override {
        DWORD size = 0;
        std::memcpy(&size, header, sizeof size);
        EXPECT_EQ(event, static_cast<UINT>(DBT_DEVICEREMOVECOMPLETE));
        received.emplace_back(header, header + size);
        return 0;
    }
};

// The record the OS broadcasts for a port device: size, type 3, reserved, UTF-16 name, NUL.
std::vector<BYTE> PortRecord(const std::u16string& name) {
    std::vector<BYTE> record;
    for (DWORD word : {static_cast<DWORD>(12 + 2 * (name.size() + 1)), 3u, 0u}) {
        for (int i = 0; i < 4; ++i) record.push_back(static_cast<BYTE>(word >> (8 * i)));
    }
    for (char16_t unit : name + u'\0') {
        record.push_back(static_cast<BYTE>(unit));
        record.push_back(static_cast<BYTE>(unit >> 8));
    }
    return record;
}

Scenario WithOtherDevice() {
    Scenario scenario = Scenario::Default();
    scenario.activeDevices.push_back({"COM2:", "\\Drivers\\BuiltIn\\Serial"});
    return scenario;
}

}  // namespace

class DeviceRemovalTest : public SimTest {
  protected:
    void TearDown() override {
        window.DestroyWindow();
        SimTest::TearDown();
    }

    // Names in "Drivers\Active", in entry order.
    static Names ActiveNames() {
        Names names;
        for (int n = 1; n < 100; ++n) {
            auto name =
                RegistryStore::Instance().GetString(StrFormat("Drivers\\Active\\%02d", n), "Name");
            if (name) names.push_back(*name);
        }
        return names;
    }

    void ExpectRemovalOf(const std::u16string& name, std::size_t index = 0) {
        ASSERT_EQ(window.received.size(), index + 1);
        EXPECT_EQ(window.received[index], PortRecord(name));
    }

    ListeningWindow window;
};

TEST_F(DeviceRemovalTest, CardIsListedAndTheHostsEndLeavesOnlyOthersEntries) {
    auto& registry = RegistryStore::Instance();
    registry.SetString("Drivers\\Active\\01", "Name", "KES1:");  // left from an earlier run
    registry.SetString("Drivers\\Active\\02", "Name", "COM1:");
    Scenario scenario = WithWiredAdapter();
    scenario.activeDevices = WithOtherDevice().activeDevices;
    Start(scenario);
    EXPECT_EQ(ActiveNames(), (Names{"KES1:", "COM1:", "COM2:"}));  // the wired one is not listed
    EXPECT_EQ(host->CardDeviceName(kAdapter), "KES1:");
    EXPECT_EQ(registry.GetString("Drivers\\Active\\01", "Key"),
              "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1");
    host.reset();
    EXPECT_EQ(ActiveNames(), Names{"COM1:"});
}

TEST_F(DeviceRemovalTest, RemovedCardAnswersNoMoreAndLeavesTheBindings) {
    Start();
    OpenDevice();
    OpenAdapter();
    host->RemoveCard();
    Card().ClearRequests();

    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kMediaConnectStatus, buffer).submit, ERROR_DEVICE_REMOVED);
    EXPECT_TRUE(Card().Requests().empty());
    // A request the driver had taken before the card went completes as failed.
    OidResult late = Card().Handle(OidCall{0, kMediaConnectStatus, 4, std::vector<BYTE>(4)});
    EXPECT_EQ(late.status, 0xC0010018u);

    std::vector<BYTE> list(128, 0xEE);
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(devices[0], IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, list.data(), 128,
                                &returned, nullptr));
    EXPECT_EQ(returned, 2u);  // only the list's end
    EXPECT_EQ(OpenAdapterHandle(kAdapter), INVALID_ADAPTER_HANDLE);
}

// Any device is announced and a listed one loses its entry; the card's own name takes the card,
// and only once. What has not happened yet goes with the host.
TEST_F(DeviceRemovalTest, ScenarioRemovalsHappenAtTheirWorldTime) {
    Scenario scenario = WithOtherDevice();
    scenario.events =
        EventsOf(R"([{"at": 6000, "removeDevice": "KES1:"}, {"at": 4000, "removeDevice": "COM2:"},
                     {"at": 20000, "removeDevice": "COM3:"}])");
    Start(scenario);
    RunDueAfter(3999);
    EXPECT_TRUE(window.received.empty());
    RunDueAfter(1);
    ExpectRemovalOf(u"COM2:");
    EXPECT_EQ(ActiveNames(), Names{"KES1:"});
    RunDueAfter(1999);
    EXPECT_FALSE(Card().Removed());
    RunDueAfter(1);
    ExpectRemovalOf(u"KES1:", 1);
    EXPECT_TRUE(Card().Removed());
    EXPECT_TRUE(ActiveNames().empty());
    EXPECT_EQ(host->CardDeviceName(kAdapter), "");
    EXPECT_FALSE(host->RemoveCard());
    EXPECT_EQ(window.received.size(), 2u);
    ASSERT_EQ(ClockScheduler::Instance().NextDue(), clock.Now() + 14000);
    host.reset();
    EXPECT_FALSE(ClockScheduler::Instance().NextDue().has_value());
}
