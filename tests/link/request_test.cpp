#include <cstddef>
#include <cstring>

#include "link/adapter_channel.h"
#include "link/adapter_handle.h"
#include "link_fixture.h"
#include "platform/core/caller_pointer.h"
#include "platform/core/last_error.h"
#include "platform/core/process.h"
#include "sim/sim_card.h"
#include "support/faults.h"

namespace {

constexpr DWORD kOid = 0xFFA0C006;
constexpr const char16_t* kAdapter = u"KESTREL1";

// The answers the simulator never gives: every request completes at once with this status and
// these counts, whatever the buffer held.
class OvercountingDriver : public StreamDriver {
  public:
    OidRequest answer{};

    DWORD Init(DWORD) override { return 1; }
    BOOL Deinit(DWORD) override { return TRUE; }
    DWORD Open(DWORD, DWORD, DWORD) override { return 1; }
    BOOL Close(DWORD) override { return TRUE; }
    BOOL IOControl(DWORD, DWORD code, const BYTE*, DWORD, BYTE* out, DWORD outSize,
                   DWORD* returned) override {
        if (code != IOCTL_RAD4_SUBMIT_REQUEST) {
            if (out != nullptr && outSize >= 4) std::memset(out, 0, 4);
            if (returned != nullptr) *returned = out != nullptr && outSize >= 4 ? 4 : 0;
            return TRUE;
        }
        const auto* name =
            reinterpret_cast<const char16_t*>(out + offsetof(RequestBlock, eventName));
        std::string token;
        for (int i = 21; i < 29; ++i) token.push_back(static_cast<char>(name[i]));
        auto* block = static_cast<RequestBlock*>(
            MapCallerPtr(std::stoul(token, nullptr, 16), sizeof(RequestBlock)));
        block->request.status = answer.status;
        block->request.bytesTransferred = answer.bytesTransferred;
        block->request.bytesNeeded = answer.bytesNeeded;
        std::memset(out + offsetof(RequestBlock, submitStatus), 0, 4);
        return TRUE;
    }
};

}  // namespace

class RequestTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        Start();
    }
    SimCard& Card() { return *host->Card(kAdapter); }
};

// With the maximum total size refused the handle falls back to 1530 and says it guessed.
TEST_F(RequestTest, AdapterHandleReadsItsIdentityAtOpen) {
    for (bool refused : {false, true}) {
        SCOPED_TRACE(refused);
        if (refused) Card().AddFault(Refusal(OID_GEN_MAXIMUM_TOTAL_SIZE));
        AdapterHandle adapter = OpenAdapterHandle(kAdapter);
        ASSERT_NE(adapter, INVALID_ADAPTER_HANDLE);
        EXPECT_EQ(adapter->maxTotalSize, refused ? 1530u : 1514u);
        EXPECT_EQ(adapter->maxTotalSizeKnown, refused ? 0 : 1);
        EXPECT_EQ(adapter->currentAddressKnown, 1);
        EXPECT_EQ(adapter->currentAddressLength, 6u);
        EXPECT_EQ(adapter->currentAddress[5], 0x3E);
        EXPECT_TRUE(CloseAdapterHandle(adapter)) << "the result says whether the close succeeded";
    }
}

TEST_F(RequestTest, UnknownAdapterAndMissingArgumentsAreRefused) {
    EXPECT_EQ(OpenAdapterHandle(u"NOPE"), INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(OpenAdapterHandle(nullptr), INVALID_ADAPTER_HANDLE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    for (AdapterHandle none : {INVALID_ADAPTER_HANDLE, AdapterHandle{nullptr}}) {
        EXPECT_FALSE(CloseAdapterHandle(none));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(SubmitRequest(INVALID_ADAPTER_HANDLE, nullptr), ERROR_INVALID_PARAMETER);
    OidRequest* request = AllocRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(SubmitRequest(nullptr, request), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SubmitRequest(INVALID_ADAPTER_HANDLE, request), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitRequest(nullptr, INFINITE), ERROR_INVALID_PARAMETER);
    FreeRequest(request);
    FreeRequest(nullptr);
}

TEST_F(RequestTest, BlockCarriesTheCallerAndTheAdapter) {
    AdapterHandle adapter = OpenAdapterHandle(kAdapter);
    DWORD value = 0;
    OidRequest* request = AllocRequest();
    request->oid = kOid;
    request->bufferLength = 4;
    request->buffer = RegisterCallerBuffer(&value, 4);
    ASSERT_EQ(SubmitRequest(adapter, request), 0u);
    const auto* block = reinterpret_cast<const RequestBlock*>(
        reinterpret_cast<const BYTE*>(request) - offsetof(RequestBlock, request));
    EXPECT_EQ(block->processId, GetCurrentProcessId());
    EXPECT_EQ(block->threadId, GetCurrentThreadId());
    EXPECT_EQ(block->device, adapter->device);
    char prefix[32];
    std::snprintf(prefix, sizeof(prefix), "RIZOZID4Evt-%8.8X-", GetCurrentProcessId());
    EXPECT_EQ(std::u16string(block->eventName).substr(0, 21), std::u16string(prefix, prefix + 21));
    EXPECT_EQ(request->status, 0u);
    EXPECT_EQ(request->bytesTransferred, 4u);
    EXPECT_NE(value, 0u);
    FreeRequest(request);
    CloseAdapterHandle(adapter);
}

TEST_F(RequestTest, LengthErrorReportsTheBytesNeeded) {
    AdapterHandle adapter = OpenAdapterHandle(kAdapter);
    BYTE ssid[4];
    DWORD length = sizeof(ssid), status = 1;
    ASSERT_EQ(QueryAdapterInformation(adapter, 0xFFA0C002, ssid, &length, &status), 0u);
    EXPECT_EQ(status, 0xC0010016u);
    EXPECT_EQ(length, 36u);
    EXPECT_EQ(QueryAdapterInformation(adapter, kOid, ssid, nullptr, &status),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(QueryAdapterInformation(adapter, kOid, ssid, &length, nullptr),
              ERROR_INVALID_PARAMETER);
    CloseAdapterHandle(adapter);
}

TEST_F(RequestTest, CountsBeyondTheBufferOrOnFailureAreNotPassedOn) {
    host.reset();
    DeviceManager::Instance().Reset();
    auto driver = std::make_shared<OvercountingDriver>();
    DeviceManager::Instance().InstallModule(RAD4_DRIVER_FILE,
                                            DriverModule{u"RAD", [driver] { return driver; }});
    AdapterHandle adapter = OpenAdapterHandle(kAdapter);
    ASSERT_NE(adapter, INVALID_ADAPTER_HANDLE);
    struct Case {
        DWORD status, transferred, needed, length;
    };
    for (Case c : {Case{0, 6, 0, 4}, Case{0xC0000001, 3, 8, 0}}) {
        driver->answer.status = c.status;
        driver->answer.bytesTransferred = c.transferred;
        driver->answer.bytesNeeded = c.needed;
        DWORD value = 0, length = 4, status = 1;
        ASSERT_EQ(QueryAdapterInformation(adapter, kOid, &value, &length, &status), 0u);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(length, c.length);
    }
    CloseAdapterHandle(adapter);
}

// Waiting for a pending answer, a set without data and a refused set's status are what the
// ad_pending_answer, ad_survey_scan_request and ad_eeprom_write_refused scripts show.
TEST_F(RequestTest, ClosedChannelIsNoLongerOpen) {
    AdapterChannel channel(kAdapter);
    ASSERT_TRUE(channel.IsOpen());
    EXPECT_EQ(channel.Close(), TRUE);
    EXPECT_FALSE(channel.IsOpen());
}

TEST_F(RequestTest, ChannelOfUnopenableAdapterLeavesStatusAsPreset) {
    AdapterChannel channel(u"NOPE");
    EXPECT_FALSE(channel.IsOpen());
    Card().ClearRequests();
    DWORD value = 0, status = 0x55;
    EXPECT_EQ(channel.QueryOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(channel.SetOid(kOid, &value, 4, &status), 1);
    EXPECT_EQ(status, 0x55u);
    EXPECT_TRUE(Card().Requests().empty());
}
