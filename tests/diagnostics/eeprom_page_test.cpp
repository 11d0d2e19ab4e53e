// The EEPROM page's From file in the engineering mode: what it writes, its messages and the
// open-file request. Reading, setting and dumping are in the headless scripts ap_eeprom_*.
#include <filesystem>
#include <fstream>

#include "diagnostics/c_eep_rom_access.h"
#include "rad4/oids.h"
#include "res/resource_ids.h"
#include "support/app_world.h"

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

class EepromPageTest : public AppWorld {};

}  // namespace

TEST_F(EepromPageTest, FromFileWritesWhatTheEepromHolds) {
    scenario.adapters.emplace_back().name = u"SDW1";
    scenario.adapters[0].eepromSize = 8;
    engineering = true;
    const std::string image = ImageFile("image.txt", "0102 0304,0506\r\n0708 0909 0A0A");
    const std::string sizeError = ImageFile("size.txt", "1111 2222 12345 4444");
    const std::string tooLarge =
        ImageFile("large.txt", std::string(CEEPRomAccess::kMaxFileBytes + 1, ' '));
    ui.fileAnswers = {image, sizeError, tooLarge};
    StartDriver();
    RunApp([&] {
        constexpr int kEepromTab = 7;
        ASSERT_TRUE(SelectTab(main->Sheet(), kEepromTab));
        PropertyPage& page = *main->Sheet().GetPage(kEepromTab);
        ASSERT_TRUE(ClickControl(page, IDC_FROM_FILE));
        for (DWORD i = 0; i < 4; ++i) EXPECT_EQ(EepromWord(*card, i), 0x0102 + 0x0202 * i);
        EXPECT_EQ(WordWrites(*card), 4);
        ClickControl(page, IDC_FROM_FILE);
        EXPECT_EQ(EepromWord(*card, 1), 0x2222);
        EXPECT_EQ(EepromWord(*card, 2), 0x0506);
        card->ClearRequests();
        ClickControl(page, IDC_FROM_FILE);
        ClickControl(page, IDC_FROM_FILE);  // no answer left: cancelled
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
