// The protocol driver's control codes, byte by byte through device calls.
#include <cstring>

#include "link/driver_link.h"
#include "sim/rad4_protocol.h"
#include "sim_fixture.h"

namespace {

Scenario TwoAdapters() {
    Scenario scenario = Scenario::Default();
    AdapterSpec wired;
    wired.name = u"NE20001";
    wired.wireless = false;
    scenario.adapters.push_back(wired);
    return scenario;
}

std::vector<BYTE> Units(const std::u16string& text) {
    std::vector<BYTE> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<BYTE>(c));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

}  // namespace

using DriverControlTest = SimTest;

TEST_F(DriverControlTest, ControlCodesAndLayoutAgreeWithTheLibrary) {
    static_assert(rad4::kGetApiVersion == IOCTL_RAD4_GET_API_VERSION);
    static_assert(rad4::kAttach == IOCTL_RAD4_ATTACH);
    static_assert(rad4::kDetach == IOCTL_RAD4_DETACH);
    static_assert(rad4::kEnumBindings == IOCTL_RAD4_ENUM_BINDINGS);
    static_assert(rad4::kOpenAdapter == IOCTL_RAD4_OPEN_ADAPTER);
    static_assert(rad4::kCloseAdapter == IOCTL_RAD4_CLOSE_ADAPTER);
    static_assert(rad4::kSubmitRequest == IOCTL_RAD4_SUBMIT_REQUEST);
    static_assert(rad4::kSetRegistration == IOCTL_RAD4_SET_REGISTRATION);
    static_assert(rad4::kGetRegistration == IOCTL_RAD4_GET_REGISTRATION);
    static_assert(rad4::kQueryUnload == IOCTL_RAD4_QUERY_UNLOAD);
    static_assert(rad4::kDeclaredSize == REQUEST_BLOCK_DECLARED_SIZE);
    static_assert(rad4::kRecordOffset == offsetof(RequestBlock, request));
    static_assert(rad4::kSubmitStatusOffset == offsetof(RequestBlock, submitStatus));
    static_assert(rad4::kEventNameOffset == offsetof(RequestBlock, eventName));
    SUCCEED();
}

TEST_F(DriverControlTest, DeviceAppearsUnderItsStreamPrefixAndAnswersTheVersion) {
    Start();
    HANDLE device = OpenDevice();
    ASSERT_NE(registration, 0u);
    EXPECT_TRUE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_GET_API_VERSION), 0x0400040Eu);

    DWORD word = 0, returned = 0;
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_GET_API_VERSION, nullptr, 0, &word, 3,
                                 &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_FALSE(DeviceIoControl(device, 0x80002004, nullptr, 0, &word, 4, &returned, nullptr));
}

TEST_F(DriverControlTest, ScenarioVersionAndFailingRegistration) {
    Scenario scenario = Scenario::Default();
    scenario.driver.apiVersion = 0x0400050E;
    Start(scenario);
    EXPECT_EQ(WordCall(OpenDevice(), IOCTL_RAD4_GET_API_VERSION), 0x0400050Eu);

    host.reset();
    DeviceManager::Instance().Reset();
    scenario.driver.registrationFails = true;
    scenario.driver.registrationError = 1114;
    Start(scenario);
    EXPECT_EQ(RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350), 0u);
    EXPECT_EQ(GetLastError(), 1114u);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
}

TEST_F(DriverControlTest, AttachAndDetachWriteStatusWordsAndDecideTheUnloadAnswer) {
    Start();
    HANDLE first = OpenDevice();
    HANDLE second = OpenDevice();
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 1u);  // nobody attached
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_ATTACH), 0u);
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 1u);  // only the asking client
    EXPECT_EQ(WordCall(second, IOCTL_RAD4_ATTACH), 0u);
    EXPECT_EQ(host->Driver()->AttachedClients(), 2);
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 0u);  // another client stays
    EXPECT_EQ(WordCall(second, IOCTL_RAD4_DETACH), 0u);
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 1u);
}

TEST_F(DriverControlTest, ScenarioFixesAttachStatusAndUnloadAnswer) {
    Scenario scenario = Scenario::Default();
    scenario.driver.attachStatus = 5;
    scenario.driver.unloadAnswer = 0;
    Start(scenario);
    HANDLE device = OpenDevice();
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_ATTACH), 5u);
    EXPECT_EQ(host->Driver()->AttachedClients(), 0);
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_QUERY_UNLOAD), 0u);
}

TEST_F(DriverControlTest, BindingListIsTerminatedAndTruncatedToTheCallersBuffer) {
    Start(TwoAdapters());
    HANDLE device = OpenDevice();
    std::vector<BYTE> expected =
        Units(std::u16string(u"KESTREL1") + u'\0' + u"NE20001" + u'\0' + u'\0');
    std::vector<BYTE> out(128, 0xEE);
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, out.data(), 128,
                                &returned, nullptr));
    ASSERT_EQ(returned, expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
    EXPECT_EQ(out[returned], 0xEE);

    std::vector<BYTE> small(10, 0xEE);
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, small.data(), 6,
                                &returned, nullptr));
    EXPECT_EQ(returned, 6u);
    EXPECT_TRUE(std::equal(small.begin(), small.begin() + 6, expected.begin()));
    EXPECT_EQ(small[6], 0xEE);
}

TEST_F(DriverControlTest, RawBindingListCanFillTheWholeBufferUnterminated) {
    Scenario scenario = Scenario::Default();
    scenario.driver.rawBindings = std::u16string(80, u'A');
    Start(scenario);
    std::vector<BYTE> out(128);
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(OpenDevice(), IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, out.data(), 128,
                                &returned, nullptr));
    EXPECT_EQ(returned, 128u);
    EXPECT_EQ(out[126], 'A');
    EXPECT_EQ(out[127], 0);
}

TEST_F(DriverControlTest, OpenAdapterNeedsAKnownNameTerminatedWithinTheInput) {
    Start(TwoAdapters());
    HANDLE device = OpenDevice();
    auto open = [&](const std::vector<BYTE>& name) {
        return DeviceIoControl(device, IOCTL_RAD4_OPEN_ADAPTER, name.data(),
                               static_cast<DWORD>(name.size()), nullptr, 0, nullptr, nullptr);
    };
    EXPECT_FALSE(open(Units(std::u16string(u"NOSUCH") + u'\0')));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(open(Units(u"KESTREL1")));  // no terminating NUL inside the input
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_CLOSE_ADAPTER, nullptr, 0, nullptr, 0, nullptr,
                                 nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

    EXPECT_TRUE(open(Units(std::u16string(u"NE20001") + u'\0')));
    EXPECT_TRUE(DeviceIoControl(device, IOCTL_RAD4_CLOSE_ADAPTER, nullptr, 0, nullptr, 0, nullptr,
                                nullptr));
}

TEST_F(DriverControlTest, RegistrationHandleIsHeldAndHandedBack) {
    Start();
    HANDLE device = OpenDevice();
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_GET_REGISTRATION), 0u);
    DWORD handle = 0x1234;
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_SET_REGISTRATION, &handle, 2, nullptr, 0,
                                 nullptr, nullptr));
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_RAD4_SET_REGISTRATION, &handle, 4, nullptr, 0,
                                nullptr, nullptr));
    EXPECT_EQ(WordCall(OpenDevice(), IOCTL_RAD4_GET_REGISTRATION), 0x1234u);
}

TEST_F(DriverControlTest, DriverAlreadyPresentIsUnloadedByTheUtilityWithTheHandedBackHandle) {
    Scenario scenario = Scenario::Default();
    scenario.driver.alreadyPresent = true;
    Start(scenario);
    HANDLE present = host->PresentRegistration();
    ASSERT_NE(present, 0u);
    EXPECT_EQ(host->Driver()->HeldRegistration(), present);

    DriverLink link;
    ASSERT_TRUE(link.Start());
    EXPECT_EQ(DriverLibrary().registrationHandle, 0u);  // nothing registered by the utility
    link.Stop();
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(host->PresentRegistration(), 0u);
    EXPECT_EQ(host->Driver(), nullptr);
}

TEST_F(DriverControlTest, HostLeavesNoDeviceOrModuleBehind) {
    Scenario scenario = Scenario::Default();
    scenario.driver.alreadyPresent = true;
    Start(scenario);
    ASSERT_TRUE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    host.reset();
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(DriverControlTest, InsertedCardIsListedAmongTheActiveDevices) {
    auto& registry = RegistryStore::Instance();
    registry.SetString("Drivers\\Active\\01", "Name", "KES1:");  // left from an earlier run
    registry.SetString("Drivers\\Active\\02", "Name", "COM1:");
    Start(TwoAdapters());
    EXPECT_EQ(host->CardDeviceName(kAdapter), "KES1:");
    EXPECT_EQ(host->CardDeviceName(u"NE20001"), "");
    EXPECT_EQ(registry.GetString("Drivers\\Active\\01", "Name"), "KES1:");
    EXPECT_EQ(registry.GetString("Drivers\\Active\\01", "Key"),
              "\\Drivers\\SDCARD\\ClientDrivers\\Custom\\MANF-03C7-CARDID-5D19-FUNC-1");
    EXPECT_FALSE(registry.KeyExists("Drivers\\Active\\03"));
    host.reset();
    EXPECT_FALSE(registry.KeyExists("Drivers\\Active\\01"));
    EXPECT_EQ(registry.GetString("Drivers\\Active\\02", "Name"), "COM1:");
}
