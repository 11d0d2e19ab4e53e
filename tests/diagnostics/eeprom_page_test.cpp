#include <filesystem>
#include <fstream>

#include "diagnostics/c_eep_rom_access.h"
#include "diagnostics_fixture.h"
#include "rad4/oids.h"

namespace {

namespace fs = std::filesystem;

std::string ImageFile(const std::string& name, const std::string& content) {
    fs::path dir = fs::path(SDWLAN_BINARY_DIR) / "eeprom-page-test";
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << content;
    return (dir / name).string();
}

int WordWrites(const SimCard& card) {
    int count = 0;
    for (const RecordedRequest& r : card.Requests())
        count += r.type == 1 && r.oid == oids::kEeprom && !r.data.empty() && r.data[0] == 0;
    return count;
}

WORD EepromWord(SimCard& card, DWORD address) {
    return card.WithCard([address](CardModel& model) {
        WORD value = 0;
        model.eeprom.Read(address, &value);
        return value;
    });
}

}  // namespace

TEST_F(DiagnosticsTest, EepromReadSetAndDumpOfASmallEeprom) {
    Desc().eepromSize = 256;
    Desc().eepromWords = {{0x1A, 0xBEEF}, {0x7F, 0x0102}};
    Run(EEPROM_TAB, [&] {
        Type(IDC_EEP_INDEX, "11a");
        Click(IDC_READ);
        EXPECT_EQ(Text(IDC_EEP_DATA), "beef");
        Type(IDC_EEP_DATA, "12345");
        Click(IDC_SET);
        EXPECT_EQ(EepromWord(*card, 0x1A), 0x2345);
        Click(IDC_READ_ALL);
        const std::string dump = Text(IDC_EEP_OUTPUT);  // the box is upper-case
        EXPECT_EQ(dump.size(), 32u * 26);
        EXPECT_EQ(dump.substr(0, 9), "000:\tFFFF");
        EXPECT_EQ(dump.substr(dump.size() - 26), "07C:\tFFFF\tFFFF\tFFFF\t0102\r\n");
    });
}

TEST_F(DiagnosticsTest, EepromFromFileWritesWhatTheEepromHolds) {
    Desc().eepromSize = 8;
    const std::string image = ImageFile("image.txt", "0102 0304,0506\r\n0708 0909 0A0A");
    const std::string sizeError = ImageFile("size.txt", "1111 2222 12345 4444");
    const std::string tooLarge =
        ImageFile("large.txt", std::string(CEEPRomAccess::kMaxFileBytes + 1, ' '));
    ui.fileAnswers = {image, sizeError, tooLarge};
    Run(EEPROM_TAB, [&] {
        Click(IDC_FROM_FILE);
        for (DWORD i = 0; i < 4; ++i) EXPECT_EQ(EepromWord(*card, i), 0x0102 + 0x0202 * i);
        EXPECT_EQ(WordWrites(*card), 4);
        Click(IDC_FROM_FILE);
        EXPECT_EQ(EepromWord(*card, 1), 0x2222);
        EXPECT_EQ(EepromWord(*card, 2), 0x0506);
        card->ClearRequests();
        Click(IDC_FROM_FILE);
        Click(IDC_FROM_FILE);  // no answer left: cancelled
        EXPECT_EQ(WordWrites(*card), 0);
    });
    ASSERT_EQ(ui.fileRequests.size(), 4u);
    EXPECT_EQ(ui.fileRequests[0].initialName, "*.txt");
    EXPECT_EQ(ui.fileRequests[0].flags & OFN_FILEMUSTEXIST, OFN_FILEMUSTEXIST);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Size error, all of the item should be word-size",
                                        tooLarge + " is too large to be read."}));
    EXPECT_FALSE(ui.cursorChanges.empty() || ui.cursorChanges.back());
}

TEST_F(DiagnosticsTest, EepromFailuresKeepTheDump) {
    Run(EEPROM_TAB, [&] {
        Click(IDC_READ_ALL);
        const std::string dump = Text(IDC_EEP_OUTPUT);
        FailAt(oids::kEeprom, 5);
        Click(IDC_READ_ALL);
        EXPECT_EQ(Text(IDC_EEP_OUTPUT), dump);
        FailAt(oids::kEeprom, std::nullopt);
        Click(IDC_READ_ALL);
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Fail to read", "Fail to get EEPRom size"}));
}
