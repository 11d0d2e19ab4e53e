#include <cstring>

#include "link/adapter_channel.h"
#include "link/adapter_handle.h"
#include "link_fixture.h"
#include "platform/core/process.h"

namespace {

constexpr DWORD kOid = 0xFFA0C006;

DWORD ReadWord(const std::vector<BYTE>& bytes, std::size_t offset) {
    DWORD value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

}  // namespace

class RequestTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        AnswerWireless(u"WLAN1");
        driver->answers[{u"WLAN1", OID_GEN_MAXIMUM_TOTAL_SIZE}] = {0, {0xDC, 0x05, 0, 0}};
        driver->answers[{u"WLAN1", OID_802_3_CURRENT_ADDRESS}] = {
            0, {0, 0x0A, 0x0B, 0x1C, 0x2D, 0x3E}};
    }
};

TEST_F(RequestTest, AdapterHandleReadsItsIdentityAtOpen) {
    AdapterHandle adapter = OpenAdapterHandle(u"WLAN1");
    ASSERT_NE(adapter, INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(adapter->maxTotalSize, 1500u);
    EXPECT_EQ(adapter->maxTotalSizeKnown, 1);
    EXPECT_EQ(adapter->currentAddressKnown, 1);
    EXPECT_EQ(adapter->currentAddressLength, 6u);
    EXPECT_EQ(adapter->currentAddress[5], 0x3E);
    EXPECT_TRUE(CloseAdapterHandle(adapter)) << "the result says whether the close succeeded";
}

TEST_F(RequestTest, MaximumTotalSizeFallsBackTo1530) {
    driver->answers.erase({u"WLAN1", OID_GEN_MAXIMUM_TOTAL_SIZE});
    AdapterHandle adapter = OpenAdapterHandle(u"WLAN1");
    ASSERT_NE(adapter, INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(adapter->maxTotalSize, 1530u);
    EXPECT_EQ(adapter->maxTotalSizeKnown, 0);
    CloseAdapterHandle(adapter);
}

TEST_F(RequestTest, UnknownAdapterIsUndoneAndReportsTheDriversError) {
    EXPECT_EQ(OpenAdapterHandle(u"NOPE"), INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(OpenAdapterHandle(nullptr), INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(RequestTest, ClosingNoAdapterSendsNothing) {
    std::size_t before = driver->calls.size();
    for (AdapterHandle none : {INVALID_ADAPTER_HANDLE, AdapterHandle{nullptr}}) {
        EXPECT_FALSE(CloseAdapterHandle(none));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(driver->calls.size(), before);
}

TEST_F(RequestTest, DriverSeesTheExactBlockLayout) {
    AdapterHandle adapter = OpenAdapterHandle(u"WLAN1");
    driver->answers[{u"WLAN1", kOid}] = {0, {0xC4, 0xFF, 0xFF, 0xFF}};
    driver->submittedBlocks.clear();
    DWORD value = 0, length = 4, status = 1;
    ASSERT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, &status), 0u);
    ASSERT_EQ(driver->submittedBlocks.size(), 1u);
    const auto& block = driver->submittedBlocks[0];
    EXPECT_EQ(ReadWord(block, 0), GetCurrentProcessId());
    EXPECT_EQ(ReadWord(block, 4), GetCurrentThreadId());
    EXPECT_EQ(ReadWord(block, 8), adapter->device);
    std::string name;
    for (int i = 0; i < 32; ++i) {
        char16_t c = static_cast<char16_t>(block[12 + 2 * i] | (block[13 + 2 * i] << 8));
        if (c == 0) break;
        name.push_back(static_cast<char>(c));
    }
    char expectedPrefix[32];
    std::snprintf(expectedPrefix, sizeof(expectedPrefix), "RIZOZID4Evt-%8.8X-",
                  GetCurrentProcessId());
    EXPECT_EQ(name.substr(0, 21), expectedPrefix);
    EXPECT_EQ(name.size(), 29u);
    EXPECT_NE(ReadWord(block, 76), 0u);  // event handle
    EXPECT_EQ(ReadWord(block, 80), 0u);
    EXPECT_EQ(ReadWord(block, 84), 0xC0000001u);  // preset submission status
    for (std::size_t i = 88; i < 124; ++i) EXPECT_EQ(block[i], 0) << i;
    EXPECT_EQ(ReadWord(block, 124), 0u);  // status not set by the caller
    EXPECT_EQ(ReadWord(block, 128), 0u);  // query
    EXPECT_EQ(ReadWord(block, 132), kOid);
    EXPECT_EQ(ReadWord(block, 136), 4u);
    EXPECT_NE(ReadWord(block, 140), 0u);  // buffer token
    EXPECT_EQ(ReadWord(block, 144), 0u);
    EXPECT_EQ(ReadWord(block, 148), 0u);
    // Only the first 116 bytes are declared to the device call.
    EXPECT_EQ(driver->calls.back().input.size(), 116u);
    EXPECT_EQ(value, 0xFFFFFFC4u);
    CloseAdapterHandle(adapter);
}

TEST_F(RequestTest, QueryLengthResults) {
    AdapterHandle adapter = OpenAdapterHandle(u"WLAN1");
    DWORD value = 0, length = 4, status = 1;
    FakeOidAnswer lying{0, {1, 2, 3, 4}};
    lying.bytesTransferred = 6;  // more than the buffer had
    driver->answers[{u"WLAN1", kOid}] = lying;
    ASSERT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, &status), 0u);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(status, 0u);

    driver->answers[{u"WLAN1", kOid}] = FakeOidAnswer{0xC0010016, {}, 0, 8};
    length = 4;
    ASSERT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, &status), 0u);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(status, 0xC0010016u);

    driver->answers[{u"WLAN1", kOid}] = FakeOidAnswer{0xC0000001, {}, 3, 8};
    length = 4;
    ASSERT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, &status), 0u);
    EXPECT_EQ(length, 0u);

    EXPECT_EQ(QueryAdapterInformation(adapter, kOid, &value, nullptr, &status),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, nullptr),
              ERROR_INVALID_PARAMETER);
    CloseAdapterHandle(adapter);
}

TEST_F(RequestTest, PendingRequestIsWaitedForAndImmediateOneIsNot) {
    AdapterChannel channel(u"WLAN1");
    ASSERT_TRUE(channel.IsOpen());
    FakeOidAnswer pending{0, {0x2A, 0, 0, 0}};
    pending.pend = true;
    driver->answers[{u"WLAN1", kOid}] = pending;
    DWORD value = 0, status = 7;
    EXPECT_EQ(channel.QueryOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(value, 0x2Au);

    driver->answers[{u"WLAN1", kOid}] = FakeOidAnswer{0, {0x2B, 0, 0, 0}};
    status = 7;
    EXPECT_EQ(channel.QueryOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(value, 0x2Bu);
    driver->JoinWorkers();
}

TEST_F(RequestTest, SetCarriesItsPayloadAndType) {
    AdapterChannel channel(u"WLAN1");
    driver->answers[{u"WLAN1", kOid}] = FakeOidAnswer{0};
    driver->submittedBlocks.clear();
    DWORD value = 0x11223344, status = 7;
    EXPECT_EQ(channel.SetOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(status, 0u);
    ASSERT_EQ(driver->submittedBlocks.size(), 1u);
    EXPECT_EQ(ReadWord(driver->submittedBlocks[0], 128), 1u);
    // A set without data goes with a null buffer and length 0.
    driver->submittedBlocks.clear();
    EXPECT_EQ(channel.SetOid(kOid, nullptr, 0, &status), 1);
    EXPECT_EQ(ReadWord(driver->submittedBlocks[0], 136), 0u);
    EXPECT_EQ(ReadWord(driver->submittedBlocks[0], 140), 0u);
}

TEST_F(RequestTest, ChannelOfUnopenableAdapterLeavesStatusAsPreset) {
    AdapterChannel channel(u"NOPE");
    EXPECT_FALSE(channel.IsOpen());
    std::size_t before = driver->calls.size();
    DWORD value = 0, status = 0x55;
    EXPECT_EQ(channel.QueryOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(channel.SetOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(status, 0x55u);
    EXPECT_EQ(driver->calls.size(), before);
}

TEST_F(RequestTest, SubmitAndWaitRefuseMissingArguments) {
    EXPECT_EQ(SubmitRequest(INVALID_ADAPTER_HANDLE, nullptr), ERROR_INVALID_PARAMETER);
    OidRequest* request = AllocRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(SubmitRequest(nullptr, request), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SubmitRequest(INVALID_ADAPTER_HANDLE, request), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitRequest(nullptr, INFINITE), ERROR_INVALID_PARAMETER);
    FreeRequest(request);
    FreeRequest(nullptr);
}

TEST_F(RequestTest, ChannelClosesItsAdapterOnce) {
    {
        AdapterChannel channel(u"WLAN1");
        EXPECT_EQ(channel.Close(), TRUE);
        EXPECT_FALSE(channel.IsOpen());
    }
    EXPECT_EQ(driver->CountCalls(IOCTL_RAD4_CLOSE_ADAPTER), 1u);
}
