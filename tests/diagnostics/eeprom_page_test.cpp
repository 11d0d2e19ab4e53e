// The EEPROM page's open-file request offers text files. What From file writes and says is in
// the headless engineering script test and the script ap_run_file_answers.
#include "res/resource_ids.h"
#include "support/app_world.h"

namespace {

class EepromPageTest : public AppWorld {};

TEST_F(EepromPageTest, FromFileAsksForAnExistingTextFile) {
    scenario.adapters.emplace_back().name = u"SDW1";
    engineering = true;
    StartDriver();
    RunApp([&] {
        constexpr int kEepromTab = 7;
        ASSERT_TRUE(SelectTab(main->Sheet(), kEepromTab));
        ASSERT_TRUE(ClickControl(*main->Sheet().GetPage(kEepromTab), IDC_FROM_FILE));
    });
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].initialName, "*.txt");
    EXPECT_EQ(ui.fileRequests[0].flags & OFN_FILEMUSTEXIST, OFN_FILEMUSTEXIST);
}

}  // namespace
