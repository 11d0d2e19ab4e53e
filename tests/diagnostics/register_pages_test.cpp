#include "diagnostics/register_page.h"
#include "diagnostics_fixture.h"
#include "rad4/oids.h"

namespace {

const std::string kFailRead = RegisterPage::kReadFailedMessage;
const std::string kNotHex = RegisterPage::kNotHexMessage;

}  // namespace

TEST_F(DiagnosticsTest, BasebandReadAndSetUseTheLowBitsAndHexData) {
    Run(BBCR_TAB, [&] {
        card->WithCard([&](CardModel& m) { m.registers.SetBaseband(44, 0x5A); });
        Type(IDC_BB_INDEX, "300");
        Click(IDC_READ);
        EXPECT_EQ(Text(IDC_BB_DATA), "5a");
        const std::pair<const char*, BYTE> sets[] = {{"1ff", 0xFF}, {" 0x2A", 0x2A}, {"-1", 0xFF}};
        for (const auto& [data, written] : sets) {
            card->WithCard([&](CardModel& m) { m.registers.SetBaseband(44, 0); });
            Type(IDC_BB_DATA, data);
            Click(IDC_SET);
            EXPECT_EQ(card->WithCard([&](CardModel& m) { return m.registers.Baseband(44); }),
                      written)
                << data;
        }
        card->WithCard([&](CardModel& m) { m.registers.SetBaseband(44, 0x33); });
        Type(IDC_BB_DATA, "zz");
        Click(IDC_SET);
        EXPECT_EQ(card->WithCard([&](CardModel& m) { return m.registers.Baseband(44); }), 0x33);
        // Not an integer: the platform's message, and the read goes on with the previous index.
        Type(IDC_BB_INDEX, "4x");
        Click(IDC_READ);
        EXPECT_EQ(Text(IDC_BB_INDEX), "300");
        EXPECT_EQ(Text(IDC_BB_DATA), "33");
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{kNotHex, "Please enter an integer."}));
}

TEST_F(DiagnosticsTest, BasebandDumpKeepsItsLineAndSurvivesAFailedOne) {
    Run(BBCR_TAB, [&] {
        for (DWORD r = 0; r < 128; ++r)
            card->WithCard([&](CardModel& m) { m.registers.SetBaseband(r, static_cast<BYTE>(r)); });
        Type(IDC_BB_INDEX, "9");
        Click(IDC_READ);
        Type(IDC_BB_INDEX, "12");  // not transferred: Read All puts 9 back
        Click(IDC_READ_ALL);
        const std::string dump = Text(IDC_BB_OUTPUT);
        // The box is upper-case.
        EXPECT_EQ(dump.substr(0, 31), "0000:\t00 01 02 03 04 05 06 07\r\n");
        EXPECT_EQ(dump.substr(dump.size() - 31), "0120:\t78 79 7A 7B 7C 7D 7E 7F\r\n");
        EXPECT_EQ(dump.size(), 16u * 31);
        EXPECT_EQ(Text(IDC_BB_INDEX), "9");

        ASSERT_TRUE(ScrollEdit(*page, IDC_BB_OUTPUT, 5));
        card->WithCard([&](CardModel& m) { m.registers.SetBaseband(0, 0xEE); });
        Click(IDC_READ_ALL);
        EXPECT_EQ(Text(IDC_BB_OUTPUT).substr(6, 2), "EE");
        EXPECT_EQ(FindControl(*page, IDC_BB_OUTPUT)->Describe().firstVisibleLine, 5);

        FailAt(oids::kBasebandRegister, 50);
        card->WithCard([&](CardModel& m) { m.registers.SetBaseband(0, 0x11); });
        Click(IDC_READ_ALL);
        EXPECT_EQ(Text(IDC_BB_OUTPUT).substr(6, 2), "EE");
        EXPECT_EQ(FindControl(*page, IDC_BB_OUTPUT)->Describe().firstVisibleLine, 5);
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to set configuration", kFailRead}));
}

TEST_F(DiagnosticsTest, MacPageParsesItsAddressAndDumpsEightyLines) {
    Desc().macRegisters = {{0x000, 0x01020304}, {0x2F4, 0xCAFE}, {0x10, 0x10}, {0x4FC, 0xFFFFFFFF}};
    Run(MCR_TAB, [&] {
        const std::pair<const char*, const char*> reads[] = {
            {"", "01020304"}, {"2f4", "0000cafe"}, {"0x10", "00000010"}};
        for (const auto& [address, shown] : reads) {
            Type(IDC_MCR_ADDRESS, address);
            Click(IDC_READ);
            EXPECT_EQ(Text(IDC_MCR_DATA), shown) << address;
        }
        Type(IDC_MCR_DATA, "");
        Click(IDC_SET);
        Type(IDC_MCR_DATA, "12345678");
        Click(IDC_SET);
        EXPECT_EQ(card->WithCard([&](CardModel& m) { return m.registers.Mac(0x10); }), 0x12345678u);
        Click(IDC_READ_ALL);
        const std::string dump = Text(IDC_MCR_OUTPUT);
        EXPECT_EQ(dump.substr(0, 44), "0000: 01020304 00000000 00000000 00000000 \r\n");
        EXPECT_EQ(dump.substr(dump.size() - 44), "\r\n04F0: 00000000 00000000 00000000 FFFFFFFF ");
        EXPECT_EQ(dump.size(), 80u * 42 + 79 * 2);
        EXPECT_EQ(Text(IDC_MCR_ADDRESS), "0x10");
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotHex});
}
