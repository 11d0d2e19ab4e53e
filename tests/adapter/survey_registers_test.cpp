// Scan list, statistics, MAC registers, EEPROM and diagnostic requests (the engineering and
// survey pages drive the rest).
#include <cstring>
#include <string>

#include "adapter/oid_codes.h"
#include "adapter/oid_payloads.h"
#include "adapter_fixture.h"

namespace {

TEST_F(AdapterTest, EmptyOrRefusedNetworkListIsAllZero) {
    host->World().RemoveNetwork(kHomeAp);
    adapter->StartScan();
    clock.Advance(3000);
    NdisBssidList list;
    std::memset(&list, 0xAA, sizeof list);
    EXPECT_EQ(adapter->GetBssidList(list), 1);
    EXPECT_EQ(Raw(list), Bytes(sizeof list, 0));
    Refuse(OID_PRIV_BSSID_LIST);
    std::memset(&list, 0xAA, sizeof list);
    EXPECT_EQ(adapter->GetBssidList(list), 1);
    EXPECT_EQ(list.numberOfItems, 0u);
}

TEST_F(AdapterTest, MacFlagIsBit30OfRegister2F4AndWord19IsRead) {
    for (auto [value, expected] : {std::pair{0x40000000u, 1}, std::pair{0xBFFFFFFFu, 0}}) {
        int flag = -1;
        card->WithCard([&](CardModel& m) { m.registers.SetMac(0x2F4, value); });
        EXPECT_EQ(adapter->GetMacFlag(flag), 1);
        EXPECT_EQ(flag, expected);
    }
    WORD word = 0;
    card->WithCard([&](CardModel& m) { m.eeprom.Write(19, 0x1919); });
    EXPECT_EQ(adapter->GetEepromWord19(word), 1);
    EXPECT_EQ(word, 0x1919);
}

// Counter k holds k in its low 32 bits. The page's sums and counts are what the
// ad_statistics_counters script shows.
TEST_F(AdapterTest, StatisticsDetailClearsMinusOnePresetsOfSomeOutputs) {
    NdisStatistics stats{sizeof(NdisStatistics), 0, {}};
    for (std::size_t k = 0; k < STAT_COUNTER_COUNT; ++k) stats.counters[k] = 0x100000000ull + k;
    Reply(OID_PRIV_STATISTICS, Raw(stats));
    StatisticsDetail detail;
    detail.fill(0xFFFFFFFF);
    EXPECT_EQ(adapter->GetStatisticsDetail(detail), 1);
    EXPECT_EQ(detail, (StatisticsDetail{0, 0, 0, 0, 0, 0, 0, 7, 0, 9, 0, 11}));
    detail.fill(5);
    EXPECT_EQ(adapter->GetStatisticsDetail(detail), 1);
    EXPECT_EQ(detail, (StatisticsDetail{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    // A failed record fails the counters' read.
    card->ClearFaults();
    Refuse(OID_PRIV_STATISTICS);
    ULONGLONG bytes = 0;
    DWORD counts[5] = {};
    EXPECT_EQ(
        adapter->GetStatistics(bytes, bytes, counts[0], counts[1], counts[2], counts[3], counts[4]),
        0);
}

TEST_F(AdapterTest, Diag804SkipSendsNothing) {
    EXPECT_EQ(adapter->DiagSet804(1, 2, 1), 1);
    EXPECT_EQ(adapter->DiagGet804(1, 1), 1);
    EXPECT_TRUE(card->Requests().empty());
    EXPECT_EQ(adapter->DiagSet804(0x1FE, 0x01020304, 0), 1);
    EXPECT_EQ(adapter->DiagGet804(0x1FE, 0), 1);
    EXPECT_EQ(Received(OID_PRIV_DIAG_804, 0).at(0).length, 8u);
}

TEST_F(AdapterTest, DiagWrite807LayoutAndLengthLimit) {
    const BYTE data[] = {0xA1, 0xA2, 0xA3};
    EXPECT_EQ(adapter->DiagWrite807(data, 3, 0x0C, 0x0D), 1);
    Bytes payload = SetPayload(OID_PRIV_DIAG_WRITE_807);
    ASSERT_EQ(payload.size(), sizeof(Diag807Request));
    EXPECT_EQ(Bytes(payload.begin(), payload.begin() + 8),
              Concat({Le32(3), {0xA1, 0xA2, 0xA3, 0}}));
    EXPECT_EQ(Bytes(payload.begin() + 2352, payload.end()), Concat({Le32(0x0D), Le32(0x0C)}));
    std::vector<BYTE> big(3000, 1);
    EXPECT_EQ(adapter->DiagWrite807(big.data(), 2349, 0, 0), 0);
    EXPECT_EQ(adapter->DiagWrite807(big.data(), -1, 0, 0), 0);
    EXPECT_EQ(Received(OID_PRIV_DIAG_WRITE_807, 1).size(), 1u);
}

}  // namespace
