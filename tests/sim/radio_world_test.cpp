// The radio world on the virtual clock: scans, the network list's count and layout, wandering
// signals and the counters records. (The Site Survey and Statistics page tests read the list's
// display fields and the frame and byte counters through the utility.)
#include "sim/radio_world.h"

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
    void Scan() {
        ASSERT_EQ(Set(kBssidListScan, {}).status, 0u);
        clock.Advance(2000);
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

TEST_F(RadioWorldTest, NetworksComeAndGoWithWorldTime) {
    Scenario scenario = Scenario::Default();
    scenario.networks[0].inRangeUntilMs = 10000;
    scenario.networks[1].inRangeFromMs = 5000;
    StartOpen(scenario);
    Scan();
    EXPECT_EQ(Word(List(), 0), 3u);
    clock.Advance(8000);
    Scan();
    std::vector<BYTE> list = List();
    EXPECT_EQ(Word(list, 0), 3u);
    EXPECT_EQ(list[4 + 9], 0x02);  // Orchard-Guest is first now
}

// The count names every network; only whole entries that fit the caller's buffer are written.
TEST_F(RadioWorldTest, LongListReportsItsCountAndWritesOnlyWhatFits) {
    Scenario scenario = Scenario::Default();
    for (int i = 0; i < 36; ++i) {
        NetworkSpec n;
        n.ssid = "net" + std::to_string(i);
        n.bssid = {0x02, 0, 0, 0, 1, static_cast<BYTE>(i)};
        scenario.networks.push_back(n);
    }
    StartOpen(scenario);
    Scan();
    std::vector<BYTE> list(kListSize + 100, 0xEE);
    Outcome outcome = Query(kBssidList, list);
    EXPECT_EQ(Word(list, 0), 40u);
    EXPECT_EQ(outcome.transferred, kListSize);
    EXPECT_EQ(Word(list, 4 + 31 * 104), 104u);  // the 32nd entry, the last that fits
}

TEST_F(RadioWorldTest, SignalWanderIsSeededAndBounded) {
    NetworkSpec network;
    network.signalDbm = -60;
    network.wander = SignalWander{2, 1000, 5};
    RadioWorld first({network}, 7, 0), second({network}, 7, 0), other({network}, 8, 0);
    bool moved = false, differs = false;
    for (DWORD t = 0; t < 60000; t += 1000) {
        int a = first.InRange(t)[0].signalDbm;
        EXPECT_EQ(a, second.InRange(t)[0].signalDbm);
        EXPECT_GE(a, -65);
        EXPECT_LE(a, -55);
        moved = moved || a != -60;
        differs = differs || a != other.InRange(t)[0].signalDbm;
    }
    EXPECT_TRUE(moved);
    EXPECT_TRUE(differs);
}

TEST_F(RadioWorldTest, CounterRecordsGrowWithConnectedTimeOnly) {
    StartOpen();
    clock.Advance(100000);
    std::vector<BYTE> record(104);
    ASSERT_EQ(Query(kStatistics, record).status, 0u);
    EXPECT_EQ(Word(record, 0), 104u);
    EXPECT_EQ(Word64(record, 8), 1400u);   // transmitted fragments
    EXPECT_EQ(Word64(record, 80), 2200u);  // received fragments
    EXPECT_EQ(Word64(record, 96), 10u);    // FCS errors
    std::vector<BYTE> diag(16);
    ASSERT_EQ(Query(kDiagCounters805, diag).status, 0u);
    EXPECT_EQ(Word(diag, 0), 16u);
    EXPECT_EQ(Word(diag, 4), 110u);

    Card().WithCard([](CardModel& m) { m.Disassociate(0, GetTickCount()); });
    clock.Advance(10000);
    std::vector<BYTE> frames(8);
    Query(kXmitOk, frames);               // a 64-bit count when the buffer has room
    EXPECT_EQ(Word64(frames, 0), 1400u);  // no traffic without a link
}
