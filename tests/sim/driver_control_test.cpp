// The protocol driver's control codes, byte by byte through device calls.
#include "link/driver_link.h"
#include "rad4/rad4_protocol.h"
#include "sim_fixture.h"

// The driver and the library must agree on every control code and on the block layout.
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

namespace {

std::vector<BYTE> Units(const std::u16string& text) {
    std::vector<BYTE> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<BYTE>(c));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

}  // namespace

class DriverControlTest : public SimTest {
  protected:
    // The binding list written into `size` bytes of a 128-byte buffer of 0xEE.
    std::vector<BYTE> Bindings(DWORD size, DWORD* returned) {
        std::vector<BYTE> out(128, 0xEE);
        EXPECT_TRUE(DeviceIoControl(OpenDevice(), IOCTL_RAD4_ENUM_BINDINGS, nullptr, 0, out.data(),
                                    size, returned, nullptr));
        return out;
    }
};

TEST_F(DriverControlTest, ScenarioVersionNeedsAWholeWordAndUnknownCodesFail) {
    Scenario scenario = Scenario::Default();
    scenario.driver.apiVersion = 0x0400050E;
    Start(scenario);
    HANDLE device = OpenDevice();
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_GET_API_VERSION), 0x0400050Eu);
    DWORD word = 0, returned = 0;
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_GET_API_VERSION, nullptr, 0, &word, 3,
                                 &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_FALSE(DeviceIoControl(device, 0x80002004, nullptr, 0, &word, 4, &returned, nullptr));
}

TEST_F(DriverControlTest, FailingRegistrationReportsItsError) {
    Scenario scenario = Scenario::Default();
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
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 0u);  // another client stays
    EXPECT_EQ(WordCall(second, IOCTL_RAD4_DETACH), 0u);
    EXPECT_EQ(WordCall(first, IOCTL_RAD4_QUERY_UNLOAD), 1u);
}

TEST_F(DriverControlTest, BindingListIsTerminatedAndTruncatedToTheCallersBuffer) {
    Start(WithWiredAdapter());
    std::vector<BYTE> expected =
        Units(std::u16string(u"KESTREL1") + u'\0' + u"NE20001" + u'\0' + u'\0');
    DWORD returned = 0;
    std::vector<BYTE> out = Bindings(128, &returned);
    ASSERT_EQ(returned, expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
    EXPECT_EQ(out[returned], 0xEE);

    out = Bindings(6, &returned);
    EXPECT_EQ(returned, 6u);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 6, expected.begin()));
    EXPECT_EQ(out[6], 0xEE);
}

// A scenario's raw list is passed on as it is: no terminator added, cut at the buffer's end.
TEST_F(DriverControlTest, RawBindingListIsPassedOnVerbatim) {
    for (std::size_t units : {0, 80}) {
        Scenario scenario = Scenario::Default();
        scenario.driver.rawBindings = std::u16string(units, u'A');
        Start(scenario);
        DWORD returned = 0xEEEE;
        std::vector<BYTE> out = Bindings(128, &returned);
        EXPECT_EQ(returned, units == 0 ? 0u : 128u);
        EXPECT_EQ(out[0], units == 0 ? 0xEE : 'A');
        EXPECT_EQ(out[127], units == 0 ? 0xEE : 0);
        for (HANDLE device : devices) CloseHandle(device);
        devices.clear();
        Stop();
    }
}

TEST_F(DriverControlTest, OpenAdapterNeedsAKnownNameTerminatedWithinTheInput) {
    Start(WithWiredAdapter());
    HANDLE device = OpenDevice();
    auto open = [&](const std::vector<BYTE>& name) {
        return DeviceIoControl(device, IOCTL_RAD4_OPEN_ADAPTER, name.data(),
                               static_cast<DWORD>(name.size()), nullptr, 0, nullptr, nullptr);
    };
    auto close = [&] {
        return DeviceIoControl(device, IOCTL_RAD4_CLOSE_ADAPTER, nullptr, 0, nullptr, 0, nullptr,
                               nullptr);
    };
    EXPECT_FALSE(open(Units(std::u16string(u"NOSUCH") + u'\0')));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(open(Units(u"KESTREL1")));  // no terminating NUL inside the input
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(close());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(open(Units(std::u16string(u"NE20001") + u'\0')));
    EXPECT_TRUE(close());
}

// The handle held and handed back is the library tests' part; a short one is refused here.
TEST_F(DriverControlTest, RegistrationHandleMustBeWhole) {
    Start();
    DWORD handle = 0x1234;
    EXPECT_FALSE(DeviceIoControl(OpenDevice(), IOCTL_RAD4_SET_REGISTRATION, &handle, 2, nullptr, 0,
                                 nullptr, nullptr));
    EXPECT_EQ(WordCall(OpenDevice(), IOCTL_RAD4_GET_REGISTRATION), 0u);
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
    host.reset();
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}
