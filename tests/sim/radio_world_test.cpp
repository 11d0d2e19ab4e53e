// What the utility cannot show of the radio world: the scan state during a scan, an empty list
// before the first scan, the list's layout, and frame counts of 64 bits. (The sm_ scripts of the
// headless tests check networks coming and going, a list longer than the buffer, the signal
// walks and the traffic counters and records.)
#include "sim_fixture.h"

namespace {

constexpr DWORD kListSize = 3332;

}  // namespace

class RadioWorldTest : public SimTest {
  protected:
    std::vector<BYTE> List() {
        std::vector<BYTE> list(kListSize);
        EXPECT_EQ(Query(kBssidList, list).status, 0u);
        return list;
    }
};

TEST_F(RadioWorldTest, ScanCompletesAfterTheScanTimeAndListsEntriesInThePublishedLayout) {
    StartOpen();
    EXPECT_EQ(Word(List(), 0), 0u);  // nothing scanned yet
    ASSERT_EQ(Set(kBssidListScan, {}).status, 0u);
    clock.Advance(1999);
    EXPECT_EQ(QueryWord(kScanState), 1u);
    EXPECT_EQ(Word(List(), 0), 0u);
    clock.Advance(1);
    EXPECT_EQ(QueryWord(kScanState), 0u);
    std::vector<BYTE> list = List();
    ASSERT_EQ(Word(list, 0), 4u);
    for (std::size_t i = 4 + 4 * 104; i < list.size(); ++i) ASSERT_EQ(list[i], 0) << i;
    const std::size_t e = 4 + 104;  // second network: Orchard-Guest, with OFDM rates
    EXPECT_EQ(Word(list, e), 104u);
    EXPECT_EQ(Word(list, e + 12), 13u);
    EXPECT_EQ(Word(list, e + 56), 3u);
    EXPECT_EQ(Word(list, e + 60), 32u);
    EXPECT_EQ(Word(list, 4 + 3 * 104 + 56), 1u);  // meshnode: DS rates only
}

// The utility reads frame counts into 4 bytes; 8 bytes of room get the whole 64-bit count.
TEST_F(RadioWorldTest, FrameCountsFillAnEightByteBuffer) {
    StartOpen();
    clock.Advance(100000);
    std::vector<BYTE> frames(8);
    ASSERT_EQ(Query(kXmitOk, frames).transferred, 8u);
    EXPECT_EQ(Word64(frames, 0), 1400u);
}
