// The EEPROM's file, and the size request's write the utility never sends. (The sm_ scripts of
// the headless tests read and write registers and EEPROM words through the engineering pages.)
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/text.h"
#include "platform/registry/atomic_file.h"
#include "sim_fixture.h"

namespace {

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

// The utility cannot ask for it: a write of the size request.
TEST_F(HardwareTest, EepromSizeIsFixed) {
    StartOpen();
    EXPECT_EQ(Set(kEeprom, EepromRecord(0, 0, 0, 2)).status, kInvalidData);
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
