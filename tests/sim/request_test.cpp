// Request submission: request blocks completed at once or pending, the bytes the card sees,
// faults, length errors and blocks or buffers that do not map.
#include "link/adapter_channel.h"
#include "sim/rad4_protocol.h"
#include "sim_fixture.h"

namespace {

constexpr DWORD kMaxTotalSize = 0x00010111;
constexpr DWORD kCurrentAddress = 0x01010102;
constexpr DWORD kNetworkTypeInUse = 0x0D010204;
constexpr DWORD kSsid = 0xFFA0C002;
constexpr DWORD kPowerMode = 0xFFA0C015;
constexpr DWORD kConfiguration = 0xFFA0C010;

FaultSpec Fault(FaultKind kind, std::optional<DWORD> oid, DWORD value = 0) {
    FaultSpec fault;
    fault.kind = kind;
    fault.oid = oid;
    fault.value = value;
    return fault;
}

}  // namespace

using RequestTest = SimTest;

TEST_F(RequestTest, ImmediateQueryFillsBufferAndRecord) {
    Start();
    OpenAdapter();
    std::vector<BYTE> buffer(8, 0xEE);
    Outcome outcome = Query(kCurrentAddress, buffer);
    EXPECT_EQ(outcome.submit, 0u);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.transferred, 6u);
    EXPECT_EQ(buffer, (std::vector<BYTE>{0x00, 0x0A, 0x0B, 0x1C, 0x2D, 0x3E, 0xEE, 0xEE}));
}

TEST_F(RequestTest, PendingRequestCompletesFromTheWorkerAndSignalsTheEvent) {
    Start();
    OpenAdapter();
    Card().AddFault(Fault(FaultKind::Pending, kMaxTotalSize));
    OidRequest* request = AllocRequest();
    DWORD size = 0;
    request->oid = kMaxTotalSize;
    request->bufferLength = 4;
    request->buffer = RegisterCallerBuffer(&size, 4);
    ASSERT_EQ(SubmitRequest(adapter, request), NDIS_STATUS_PENDING);
    ASSERT_EQ(WaitRequest(request, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(request->status, 0u);
    EXPECT_EQ(request->bytesTransferred, 4u);
    EXPECT_EQ(size, 1514u);
    FreeRequest(request);
}

TEST_F(RequestTest, PendingSetsThroughTheChannelAreReadBack) {
    Start();
    Card().AddFault(Fault(FaultKind::Pending, std::nullopt));
    AdapterChannel channel(kAdapter);
    ASSERT_TRUE(channel.IsOpen());
    DWORD mode = 2, status = 99;
    EXPECT_EQ(channel.SetOid(kPowerMode, &mode, 4, &status), 1);
    EXPECT_EQ(status, 0u);
    DWORD read = 0;
    status = 99;
    EXPECT_EQ(channel.QueryOid(kPowerMode, &read, 4, &status), 1);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(read, 2u);
    channel.Close();
    host.reset();  // joins the worker; nothing left pending
}

TEST_F(RequestTest, CardRecordsEveryRequestWithItsBytes) {
    Start();
    OpenAdapter();
    SetWord(kPowerMode, 1);
    std::vector<BYTE> buffer{1, 2, 3, 4};
    Query(kPowerMode, buffer);
    auto requests = Card().Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].type, 1u);
    EXPECT_EQ(requests[0].oid, kPowerMode);
    EXPECT_EQ(requests[0].data, (std::vector<BYTE>{1, 0, 0, 0}));
    EXPECT_EQ(requests[1].type, 0u);
    EXPECT_EQ(requests[1].data, (std::vector<BYTE>{1, 2, 3, 4}));
    EXPECT_EQ(requests[1].length, 4u);
}

TEST_F(RequestTest, LengthErrorsReportTheBytesNeeded) {
    Start();
    OpenAdapter();
    std::vector<BYTE> shortBuffer(20, 0xEE);
    Outcome query = Query(kSsid, shortBuffer);
    EXPECT_EQ(query.status, NDIS_STATUS_BUFFER_TOO_SHORT);
    EXPECT_EQ(query.needed, 36u);
    EXPECT_EQ(query.transferred, 0u);
    EXPECT_EQ(shortBuffer, std::vector<BYTE>(20, 0xEE));

    Outcome set = Set(kConfiguration, std::vector<BYTE>(16));
    EXPECT_EQ(set.status, NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(set.needed, 32u);
}

TEST_F(RequestTest, BufferThatDoesNotMapIsRefusedUntouched) {
    Start();
    OpenAdapter();
    std::vector<BYTE> buffer(36, 0xEE);
    Outcome outcome = Request(0, kSsid, buffer, 8);  // only 8 of 36 bytes registered
    EXPECT_EQ(outcome.submit, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(buffer, std::vector<BYTE>(36, 0xEE));
    EXPECT_TRUE(Card().Requests().empty());
}

TEST_F(RequestTest, BlockWithAForeignEventNameIsRefused) {
    Start();
    OpenAdapter();
    OidRequest* request = AllocRequest();
    RequestBlock* block = BlockOf(request);
    block->eventName[0] = u'X';
    block->submitStatus = 0xC0000001;
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(adapter->device, IOCTL_RAD4_SUBMIT_REQUEST, block, 116, block, 116,
                                 &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(block->submitStatus, 0xC0000001u);
    EXPECT_FALSE(DeviceIoControl(adapter->device, IOCTL_RAD4_SUBMIT_REQUEST, block, 100, block, 116,
                                 &returned, nullptr));
    FreeRequest(request);
}

TEST_F(RequestTest, SubmissionWithoutAnOpenedAdapterIsRefused) {
    Start();
    HANDLE device = OpenDevice();
    OidRequest* request = AllocRequest();
    RequestBlock* block = BlockOf(request);
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_RAD4_SUBMIT_REQUEST, block, 116, block, 116,
                                 &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    FreeRequest(request);
}

TEST_F(RequestTest, FaultsFailTheCallOrTheRequestOrReplaceTheReply) {
    Start();
    OpenAdapter();
    Card().AddFault(Fault(FaultKind::SubmitFailure, kPowerMode, 1167));
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kPowerMode, buffer).submit, 1167u);
    Card().ClearFaults();

    FaultSpec once = Fault(FaultKind::Status, kPowerMode, 0xC0000001);
    once.times = 1;
    Card().AddFault(once);
    EXPECT_EQ(Query(kPowerMode, buffer).status, 0xC0000001u);
    EXPECT_EQ(Query(kPowerMode, buffer).status, 0u);

    FaultSpec reply = Fault(FaultKind::Reply, kPowerMode);
    reply.data = {3, 0, 0, 0, 9};
    Card().AddFault(reply);
    Outcome outcome = Query(kPowerMode, buffer);
    EXPECT_EQ(outcome.transferred, 4u);
    EXPECT_EQ(buffer, (std::vector<BYTE>{3, 0, 0, 0}));
    EXPECT_EQ(SetWord(kPowerMode, 1).status, 0u);  // a reply fault leaves sets alone
}

TEST_F(RequestTest, AdapterThatIsNotWirelessAnswersOnlyGeneralOids) {
    Scenario scenario = Scenario::Default();
    scenario.adapters[0].wireless = false;
    Start(scenario);
    OpenAdapter();
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kNetworkTypeInUse, buffer).status, NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(Query(kPowerMode, buffer).status, NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(QueryWord(kMaxTotalSize), 1514u);
}

TEST_F(RequestTest, UnknownOidAndWrongDirectionFail) {
    Start();
    OpenAdapter();
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(0xFFA0C0FF, buffer).status, 0xC0010017u);
    EXPECT_EQ(Query(0xFFA0C019, buffer).status, NDIS_STATUS_NOT_SUPPORTED);  // set only
    EXPECT_EQ(SetWord(0xFFA0C503, 5).status, NDIS_STATUS_NOT_SUPPORTED);     // query only
}
