// Request submission: request blocks completed at once or pending, the bytes the card sees,
// faults, length errors and blocks or buffers that do not map.
#include "rad4/rad4_protocol.h"
#include "sim_fixture.h"

using RequestTest = SimTest;

// Replies land in the caller's buffer and sets take effect (the sm_pending_requests script of
// the headless tests checks the same when the driver completes from its worker).
TEST_F(RequestTest, QueryFillsOnlyTheReplyBytesAndSetsTakeEffect) {
    StartOpen();
    std::vector<BYTE> buffer(8, 0xEE);
    Outcome outcome = Query(kCurrentAddress, buffer);
    EXPECT_EQ(outcome.submit, 0u);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.transferred, 6u);
    EXPECT_EQ(buffer, (std::vector<BYTE>{0x00, 0x0A, 0x0B, 0x1C, 0x2D, 0x3E, 0xEE, 0xEE}));
    EXPECT_EQ(SetWord(kPowerMode, 2).status, 0u);
    EXPECT_EQ(QueryWord(kPowerMode), 2u);
}

TEST_F(RequestTest, RequestLogKeepsOnlyTheMostRecentRequests) {
    Start();
    SimCard& card = Card();
    // Records of other lengths before each one: a kept record holds its own request's bytes.
    auto bytes = [](DWORD i) { return std::vector<BYTE>(i % 5, static_cast<BYTE>(i)); };
    for (DWORD i = 0; i < 5000; ++i) card.Submit(OidCall{0, 0xFFA0C000 + (i % 7), 4, bytes(i)});
    card.Submit(OidCall{1, kLinkSpeed, 1, {0xAB}});
    auto requests = card.Requests();
    ASSERT_EQ(requests.size(), 4096u);
    EXPECT_EQ(requests.back().oid, kLinkSpeed);
    EXPECT_EQ(requests.back().type, 1u);
    EXPECT_EQ(requests.back().length, 1u);
    EXPECT_EQ(requests.back().data, std::vector<BYTE>{0xAB});
    EXPECT_EQ(requests.front().oid, 0xFFA0C000 + (5001 - 4096) % 7);
    EXPECT_EQ(requests.front().data, bytes(5001 - 4096));
    EXPECT_EQ(requests[4094].data, bytes(4999));
}

// A short query buffer, or one that does not map whole, is left untouched (the link tests check
// the bytes needed).
TEST_F(RequestTest, LengthErrorsAndUnmappedBuffersLeaveTheBufferUntouched) {
    StartOpen();
    std::vector<BYTE> shortBuffer(20, 0xEE);
    EXPECT_EQ(Query(kSsid, shortBuffer).transferred, 0u);
    EXPECT_EQ(shortBuffer, std::vector<BYTE>(20, 0xEE));
    Outcome set = Set(kConfiguration, std::vector<BYTE>(16));
    EXPECT_EQ(set.status, NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(set.needed, 32u);
    Card().ClearRequests();
    std::vector<BYTE> buffer(36, 0xEE);
    EXPECT_EQ(Request(0, kSsid, buffer, 8).submit, ERROR_INVALID_PARAMETER);  // 8 of 36 bytes
    EXPECT_EQ(buffer, std::vector<BYTE>(36, 0xEE));
    EXPECT_TRUE(Card().Requests().empty());
}

TEST_F(RequestTest, MalformedSubmissionsAreRefused) {
    Start();
    OidRequest* request = AllocRequest();
    RequestBlock* block = BlockOf(request);
    auto submit = [block](HANDLE device, DWORD inSize) {
        DWORD returned = 0;
        return DeviceIoControl(device, IOCTL_RAD4_SUBMIT_REQUEST, block, inSize, block, 116,
                               &returned, nullptr);
    };
    EXPECT_FALSE(submit(OpenDevice(), 116));  // no adapter opened on this handle
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

    OpenAdapter();
    block->eventName[0] = u'X';
    block->submitStatus = 0xC0000001;
    EXPECT_FALSE(submit(adapter->device, 116));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(block->submitStatus, 0xC0000001u);
    EXPECT_FALSE(submit(adapter->device, 100));
    FreeRequest(request);
}

// The utility's trace shows a failed submission without its error (the sm_request_faults script
// of the headless tests checks status and reply faults and their counts).
TEST_F(RequestTest, SubmitFailureFailsTheCallWithTheFaultsError) {
    StartOpen();
    Card().AddFault(FaultOf(kPowerMode, FaultKind::SubmitFailure, 1167));
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(kPowerMode, buffer).submit, 1167u);
}

// Requests the utility never sends: an unknown OID, one in the wrong direction, and a general
// one to a wired adapter.
TEST_F(RequestTest, UnknownOrWrongWayRequestsFailAndWiredAdaptersAnswerGeneralOids) {
    StartOpen(WithWiredAdapter());
    std::vector<BYTE> buffer(4);
    EXPECT_EQ(Query(0xFFA0C0FF, buffer).status, 0xC0010017u);
    EXPECT_EQ(Query(kBssidListScan, buffer).status, NDIS_STATUS_NOT_SUPPORTED);  // set only
    EXPECT_EQ(SetWord(kLinkQuality, 5).status, NDIS_STATUS_NOT_SUPPORTED);       // query only
    CloseAdapterHandle(adapter);
    OpenAdapter(u"NE20001");
    EXPECT_EQ(QueryWord(kMaximumTotalSize), 1514u);
}
