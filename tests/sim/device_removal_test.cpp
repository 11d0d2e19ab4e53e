// Taking the card or another device out: the "Drivers\Active" list, the removal notification
// the top-level windows receive, a card that answers no more, and removals as scenario events
// on the virtual clock.
#include <cstring>

#include "platform/core/text.h"
#include "platform/ui/window.h"
#include "platform/ui/window_constants.h"
#include "sim/oid_call.h"
#include "sim_fixture.h"

namespace {

constexpr DWORD kConnectStatus = 0x00010114;
constexpr const char* kCardKey =
    "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1";

struct Notification {
    UINT event;
    std::vector<BYTE> record;  // as many bytes as the record's size field says
};

// A top-level window that keeps every device change it is sent.
class ListeningWindow : public Window {
  public:
    ListeningWindow() { CreateWindowObject(nullptr, 0, "listener", 0, 0, RECT{0, 0, 10, 10}); }
    std::vector<Notification> received;

  protected:
    LRESULT OnDeviceChange(UINT event, const BYTE* header) override {
        DWORD size = 0;
        std::memcpy(&size, header, sizeof size);
        received.push_back({event, std::vector<BYTE>(header, header + size)});
        return 0;
    }
};

// The record the OS broadcasts for a port device: size, type 3, reserved, UTF-16 name, NUL.
std::vector<BYTE> PortRecord(const std::u16string& name) {
    std::vector<BYTE> record;
    auto put32 = [&record](DWORD v) {
        for (int i = 0; i < 4; ++i) record.push_back(static_cast<BYTE>(v >> (8 * i)));
    };
    put32(static_cast<DWORD>(12 + 2 * (name.size() + 1)));
    put32(3);
    put32(0);
    for (char16_t unit : name + u'\0') {
        record.push_back(static_cast<BYTE>(unit));
        record.push_back(static_cast<BYTE>(unit >> 8));
    }
    return record;
}

}  // namespace

class DeviceRemovalTest : public SimTest {
  protected:
    void TearDown() override {
        window.DestroyWindow();
        SimTest::TearDown();
    }

    // Names in "Drivers\Active", in entry order.
    static std::vector<std::string> ActiveNames() {
        std::vector<std::string> names;
        for (int n = 1; n < 100; ++n) {
            auto name =
                RegistryStore::Instance().GetString(StrFormat("Drivers\\Active\\%02d", n), "Name");
            if (name) names.push_back(*name);
        }
        return names;
    }

    static Scenario WithOtherDevice() {
        Scenario scenario = Scenario::Default();
        scenario.activeDevices.push_back({"COM2:", "\\Drivers\\BuiltIn\\Serial"});
        return scenario;
    }

    void ExpectRemovalOf(const std::u16string& name) {
        ASSERT_EQ(window.received.size(), 1u);
        EXPECT_EQ(window.received[0].event, DBT_DEVICEREMOVECOMPLETE);
        EXPECT_EQ(window.received[0].record, PortRecord(name));
    }

    ListeningWindow window;
};

TEST_F(DeviceRemovalTest, CardRemovalDropsItsEntryThenBroadcastsItsNameOnce) {
    Start();
    ASSERT_EQ(ActiveNames(), std::vector<std::string>{"KES1:"});
    EXPECT_EQ(RegistryStore::Instance().GetString("Drivers\\Active\\01", "Key"), kCardKey);
    ASSERT_TRUE(host->RemoveCard());
    EXPECT_TRUE(ActiveNames().empty());
    ExpectRemovalOf(u"KES1:");
    EXPECT_EQ(window.received[0].record.size(), 24u);
    EXPECT_EQ(host->CardDeviceName(kAdapter), "");

    EXPECT_FALSE(host->RemoveCard());  // nothing left in the slot
    EXPECT_EQ(window.received.size(), 1u);
}

TEST_F(DeviceRemovalTest, RemovedCardAnswersNoMoreAndLeavesTheBindings) {
    Start();
    OpenDevice();
    OpenAdapter();
    EXPECT_EQ(QueryWord(kConnectStatus), 0u);
    host->RemoveCard();
    Card().ClearRequests();

    std::vector<BYTE> buffer(4);
    Outcome outcome = Query(kConnectStatus, buffer);
    EXPECT_EQ(outcome.submit, ERROR_DEVICE_REMOVED);
    EXPECT_TRUE(Card().Requests().empty());
    // A request the driver had taken before the card went completes as failed.
    OidResult late = Card().Handle(OidCall{0, kConnectStatus, 4, std::vector<BYTE>(4)});
    EXPECT_EQ(late.status, 0xC0010018u);

    std::vector<BYTE> list(128, 0xEE);
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(devices[0], IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, list.data(), 128,
                                &returned, nullptr));
    EXPECT_EQ(returned, 2u);  // only the list's end
    EXPECT_EQ(OpenAdapterHandle(kAdapter), INVALID_ADAPTER_HANDLE);
}

TEST_F(DeviceRemovalTest, AnotherListedDeviceGoesWithItsEntryAndTheCardStays) {
    Start(WithOtherDevice());
    ASSERT_EQ(ActiveNames(), (std::vector<std::string>{"KES1:", "COM2:"}));
    host->RemoveDevice("COM2:");
    EXPECT_EQ(ActiveNames(), std::vector<std::string>{"KES1:"});
    ExpectRemovalOf(u"COM2:");
    EXPECT_FALSE(Card().Removed());
}

TEST_F(DeviceRemovalTest, UnlistedDeviceIsStillAnnounced) {
    Start();
    host->RemoveDevice("COM9:");
    EXPECT_EQ(ActiveNames(), std::vector<std::string>{"KES1:"});
    ExpectRemovalOf(u"COM9:");
}

TEST_F(DeviceRemovalTest, TheCardsDeviceNameRemovesTheCard) {
    Start();
    host->RemoveDevice("KES1:");
    EXPECT_TRUE(Card().Removed());
    EXPECT_TRUE(ActiveNames().empty());
    ExpectRemovalOf(u"KES1:");
}

TEST_F(DeviceRemovalTest, HostEndLeavesNoEntriesBehind) {
    Start(WithOtherDevice());
    host.reset();
    EXPECT_TRUE(ActiveNames().empty());
}

TEST_F(DeviceRemovalTest, ScenarioRemovalsHappenAtTheirWorldTime) {
    Scenario scenario = WithOtherDevice();
    scenario.events = Scenario::Parse(R"({"adapters": [{"name": "KESTREL1"}], "events": [
        {"at": 10000, "removeCard": true}, {"at": 4000, "removeDevice": "COM2:"}]})")
                          .events;
    Start(scenario);
    clock.Advance(3999);
    ClockScheduler::Instance().RunDue();
    EXPECT_TRUE(window.received.empty());
    clock.Advance(1);
    ClockScheduler::Instance().RunDue();
    ExpectRemovalOf(u"COM2:");
    clock.Advance(5999);
    ClockScheduler::Instance().RunDue();
    EXPECT_EQ(window.received.size(), 1u);
    EXPECT_FALSE(Card().Removed());
    clock.Advance(1);
    ClockScheduler::Instance().RunDue();
    ASSERT_EQ(window.received.size(), 2u);
    EXPECT_EQ(window.received[1].record, PortRecord(u"KES1:"));
    EXPECT_TRUE(Card().Removed());
    EXPECT_FALSE(ClockScheduler::Instance().NextDue().has_value());
}

TEST_F(DeviceRemovalTest, EventsNotYetDueAreCancelledWithTheHost) {
    Scenario scenario = Scenario::Default();
    scenario.events = Scenario::Parse(R"({"adapters": [{"name": "KESTREL1"}],
        "events": [{"at": 5000, "removeCard": true}]})")
                          .events;
    Start(scenario);
    ASSERT_EQ(ClockScheduler::Instance().NextDue(), clock.Now() + 5000);
    host.reset();
    EXPECT_FALSE(ClockScheduler::Instance().NextDue().has_value());
    clock.Advance(5000);
    ClockScheduler::Instance().RunDue();
    EXPECT_TRUE(window.received.empty());
}
