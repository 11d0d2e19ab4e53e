// The protocol driver's control codes, byte by byte through device calls.
#include "link/driver_link.h"
#include "rad4/rad4_protocol.h"
#include "sim_fixture.h"

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

// The handle held and handed back is the library tests' part; a short one is refused here.
TEST_F(DriverControlTest, VersionAndRegistrationNeedWholeWordsAndUnknownCodesFail) {
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
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_SET_REGISTRATION, &word, 2, nullptr, 0, nullptr,
                                 nullptr));
    EXPECT_EQ(WordCall(device, IOCTL_RAD4_GET_REGISTRATION), 0u);
}

// A registration the scenario makes fail reports its error; once the host is gone, a driver it
// found present is deregistered and no driver file is left to register.
TEST_F(DriverControlTest, RegistrationFailsWithTheScenariosErrorOrOnceTheHostIsGone) {
    Scenario scenario = Scenario::Default();
    scenario.driver.registrationFails = true;
    scenario.driver.registrationError = 1114;
    Start(scenario);
    EXPECT_EQ(RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350), 0u);
    EXPECT_EQ(GetLastError(), 1114u);
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    host.reset();
    scenario.driver = ProtocolDriverSpec{};
    scenario.driver.alreadyPresent = true;
    Start(scenario);
    ASSERT_TRUE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    host.reset();
    EXPECT_FALSE(DeviceManager::Instance().IsRegistered(u"RAD4:"));
    EXPECT_EQ(RegisterDevice(u"PCA", 4, u"RIZOZID4.dll", 0x34414350), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
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

// The adapters' names each end in a NUL and the list in an empty name; a scenario's raw list is
// passed on as it is, with no terminator added. Either is cut at the caller's buffer.
TEST_F(DriverControlTest, BindingListIsCutToTheCallersBuffer) {
    struct Case {
        std::optional<std::u16string> raw;
        DWORD size;
        std::u16string listed;
    };
    const std::u16string all = std::u16string(u"KESTREL1") + u'\0' + u"NE20001" + u'\0' + u'\0';
    for (const Case& c : {Case{{}, 128, all}, Case{{}, 6, all.substr(0, 3)}, Case{u"", 128, u""},
                          Case{std::u16string(80, u'A'), 128, std::u16string(64, u'A')}}) {
        SCOPED_TRACE(c.size);
        Scenario scenario = WithWiredAdapter();
        scenario.driver.rawBindings = c.raw;
        Start(scenario);
        DWORD returned = 0xEEEE;
        std::vector<BYTE> out = Bindings(c.size, &returned);
        std::vector<BYTE> expected = Units(c.listed);
        ASSERT_EQ(returned, expected.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), out.begin()));
        if (returned < out.size()) {
            EXPECT_EQ(out[returned], 0xEE);  // nothing beyond
        }
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
