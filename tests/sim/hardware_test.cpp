// The chip's registers and EEPROM through their request records, and the EEPROM's file.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/text.h"
#include "platform/registry/atomic_file.h"
#include "sim_fixture.h"

namespace {

std::vector<BYTE> MacRecord(BYTE direction, DWORD address, DWORD value) {
    std::vector<BYTE> r(12);
    r[0] = direction;
    for (int i = 0; i < 4; ++i) {
        r[4 + i] = static_cast<BYTE>(address >> (8 * i));
        r[8 + i] = static_cast<BYTE>(value >> (8 * i));
    }
    return r;
}

std::vector<BYTE> EepromRecord(BYTE direction, BYTE target, BYTE address, WORD value = 0) {
    return {direction, target, address, 0, static_cast<BYTE>(value), static_cast<BYTE>(value >> 8)};
}

}  // namespace

class HardwareTest : public SimTest {
  protected:
    // A read selects with a set of the record, then queries it back filled in.
    std::vector<BYTE> ReadBack(DWORD oid, std::vector<BYTE> record) {
        EXPECT_EQ(Set(oid, record).status, 0u);
        Query(oid, record);
        return record;
    }
    DWORD ReadMac(DWORD address) {
        return Word(ReadBack(kMacRegister, MacRecord(1, address, 0)), 8);
    }
    BYTE ReadBaseband(BYTE index) { return ReadBack(kBasebandRegister, {1, index, 0})[2]; }
    WORD ReadEeprom(BYTE target, BYTE address) {
        std::vector<BYTE> record = ReadBack(kEeprom, EepromRecord(1, target, address));
        return static_cast<WORD>(record[4] | record[5] << 8);
    }
    // Backs the registry with a file in a fresh directory of this test and process (the suite
    // may run in several builds at once); the EEPROM file goes next to it.
    void SetUp() override {
        SimTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("sdwlan-sim-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::string error;
        ASSERT_TRUE(
            RegistryStore::Instance().SetBackingFile((dir / "registry.reg").string(), &error));
    }
    void TearDown() override {
        SimTest::TearDown();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
    const std::filesystem::path eepromFile = "registry-eeprom-KESTREL1.txt";
};

// What the scenario presets, the last valid addresses, and addresses outside the hardware.
// (The engineering page tests read and write registers and words through the utility.)
TEST_F(HardwareTest, RegistersAndEepromHoldTheScenarioAndRefuseAddressesOutside) {
    Scenario scenario = Scenario::Default();
    scenario.adapters[0].basebandRegisters[0x12] = 0x5A;
    StartOpen(scenario);
    EXPECT_EQ(ReadMac(0x2F4) & 0x40000000u, 0x40000000u);  // the scenario's flag bit
    EXPECT_EQ(ReadMac(0x000), 0x1C0B0A00u);                // station address
    ASSERT_EQ(Set(kMacRegister, MacRecord(0, 0x4FC, 0xCAFEF00D)).status, 0u);
    EXPECT_EQ(ReadMac(0x4FC), 0xCAFEF00Du);
    EXPECT_EQ(ReadBaseband(0x12), 0x5A);
    ASSERT_EQ(Set(kBasebandRegister, {0, 127, 0x77}).status, 0u);
    EXPECT_EQ(ReadBaseband(127), 0x77);
    EXPECT_EQ(ReadEeprom(1, 19), 0x0104);
    EXPECT_EQ(ReadEeprom(1, 2), 0x0A00);  // MAC address words
    EXPECT_EQ(ReadEeprom(1, 255), 0xFFFF);
    for (const auto& [oid, record] : std::vector<std::pair<DWORD, std::vector<BYTE>>>{
             {kMacRegister, MacRecord(1, 0x500, 0)},
             {kMacRegister, MacRecord(0, 0x2F6, 1)},
             {kBasebandRegister, {1, 128, 0}},
             {kEeprom, EepromRecord(0, 0, 0, 2)},  // the size is fixed
         }) {
        EXPECT_EQ(Set(oid, record).status, kInvalidData) << std::hex << oid;
    }
}

TEST_F(HardwareTest, SmallEepromRefusesAddressesBeyondIt) {
    Scenario scenario = Scenario::Default();
    scenario.adapters[0].eepromSize = 128;
    scenario.adapters[0].eepromWords.clear();
    StartOpen(scenario);
    EXPECT_EQ(ReadEeprom(0, 0), 128);
    EXPECT_EQ(Set(kEeprom, EepromRecord(1, 1, 64)).status, kInvalidData);
    EXPECT_EQ(Set(kEeprom, EepromRecord(0, 1, 64, 1)).status, kInvalidData);
}

TEST_F(HardwareTest, UnreadableEepromFileIsNeitherUsedNorOverwritten) {
    auto file = dir / eepromFile;
    std::ofstream(file) << "size 512\n0000: FFFF GGGG\n";
    Start();
    EXPECT_NE(Card().WithCard([](CardModel& m) { return m.eeprom.FileError(); }).find(":2:"),
              std::string::npos);
    OpenAdapter();
    ASSERT_EQ(Set(kEeprom, EepromRecord(0, 1, 0, 0x1111)).status, 0u);
    EXPECT_EQ(ReadEeprom(1, 0), 0x1111);
    std::string content, error;
    ASSERT_TRUE(ReadWholeFile(file.string(), &content, &error, 1 << 20));
    EXPECT_EQ(content, "size 512\n0000: FFFF GGGG\n");
}

TEST_F(HardwareTest, AdaptersOfDifferentNamesNeverShareAnEepromFile) {
    // Only the file of "A/B" is unreadable; "A_B" has its own, and so has the longest name.
    std::ofstream(dir / "registry-eeprom-A%2FB.txt") << "not an EEPROM line\n";
    std::string longest;
    for (std::size_t i = 0; i < kMaxAdapterName; ++i) longest += "\xC3\xA9";
    Start(Scenario::Parse(R"({"adapters": [{"name": "A/B"}, {"name": "A_B"}, {"name": ")" +
                          longest + R"("}]})"));
    EXPECT_NE(Card(u"A/B").WithCard([](CardModel& m) { return m.eeprom.FileError(); }), "");
    EXPECT_EQ(Card(u"A_B").WithCard([](CardModel& m) { return m.eeprom.FileError(); }), "");
    EXPECT_EQ(Card(Utf8ToWide(longest).c_str()).WithCard([](CardModel& m) {
        return m.eeprom.FileError();
    }),
              "");
}
