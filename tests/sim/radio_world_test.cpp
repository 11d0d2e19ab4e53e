// What the utility cannot show of the radio world: the scan state during a scan, an empty list
// before the first scan, and frame counts of 64 bits. (The sm_ scripts of the headless tests
// check the list's layout, networks coming and going, a list longer than the buffer, the signal
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

TEST_F(RadioWorldTest, ScanRunsForTheScanTimeAndNothingIsListedBeforeTheFirstOne) {
    StartOpen();
    EXPECT_EQ(Word(List(), 0), 0u);
    ASSERT_EQ(Set(kBssidListScan, {}).status, 0u);
    clock.Advance(1999);
    EXPECT_EQ(QueryWord(kScanState), 1u);
    EXPECT_EQ(Word(List(), 0), 0u);
    clock.Advance(1);
    EXPECT_EQ(QueryWord(kScanState), 0u);
    EXPECT_EQ(Word(List(), 0), 4u);
}

// The utility reads frame counts into 4 bytes; 8 bytes of room get the whole 64-bit count.
TEST_F(RadioWorldTest, FrameCountsFillAnEightByteBuffer) {
    StartOpen();
    clock.Advance(100000);
    std::vector<BYTE> frames(8);
    ASSERT_EQ(Query(kXmitOk, frames).transferred, 8u);
    EXPECT_EQ(GetLe(frames, 0, 8), 1400u);
}
