// The registered resources: templates with their sizes, styles and hidden controls, the string
// table and the pictures.
#include "platform/ui/resources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/ui/window_constants.h"
#include "res/utility_resources.h"

namespace {

struct TemplateCase {
    int id;
    const char* caption;
    int cx, cy;
    // Controls created hidden: by id, or by text for labels without one.
    std::set<std::string> hidden;
};

std::string Key(const ControlTemplate& control) {
    return control.id == IDC_STATIC ? control.text : std::to_string(control.id);
}

class TemplateTest : public ::testing::TestWithParam<TemplateCase> {
  protected:
    void SetUp() override { RegisterUtilityResources(); }
};

}  // namespace

TEST_P(TemplateTest, HasItsSizeControlsInsideDistinctIdsAndHiddenSet) {
    const TemplateCase& expected = GetParam();
    const DialogTemplate* found = Resources::Instance().FindDialog(expected.id);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->caption, expected.caption);
    EXPECT_EQ(found->cx, expected.cx);
    EXPECT_EQ(found->cy, expected.cy);
    std::set<int> ids;
    std::set<std::string> hidden;
    for (const ControlTemplate& control : found->controls) {
        SCOPED_TRACE(Key(control));
        EXPECT_GE(control.x, 0);
        EXPECT_GE(control.y, 0);
        EXPECT_LE(control.x + control.cx, found->cx);
        if (control.kind != ControlKind::ComboBox) {
            EXPECT_LE(control.y + control.cy, found->cy);
        }
        if (control.id != IDC_STATIC) {
            EXPECT_TRUE(ids.insert(control.id).second);
        }
        EXPECT_EQ((control.style & WS_VISIBLE) != 0, control.visible);
        if (!control.visible) hidden.insert(Key(control));
    }
    EXPECT_EQ(hidden, expected.hidden);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateTest,
    ::testing::Values(TemplateCase{102, "SD WLAN Utility", 143, 175, {}},
                      TemplateCase{129, "About", 150, 149, {"Link", "1044", "1045"}},
                      TemplateCase{130, "Status", 135, 152, {"Profile", "1002", "1015", "1008"}},
                      TemplateCase{131, "BBCR", 140, 146, {}},
                      TemplateCase{132, "MCR", 144, 143, {}},
                      TemplateCase{133, "EEPROM", 142, 145, {}},
                      TemplateCase{134, "Statistics", 140, 141, {"Rx CRC Success", "1034"}},
                      TemplateCase{135, "Site Survey", 148, 143, {"1051", "1052", "1053", "1054"}},
                      TemplateCase{139, "Processing ...", 182, 50, {}},
                      TemplateCase{141, "Configuration", 141, 151, {}},
                      TemplateCase{142, "Radio", 145, 117, {"Channel:", "1066"}}));

TEST(ResourcesTest, StringTableIconAndPicture) {
    Resources::Instance().Clear();
    RegisterUtilityResources();
    std::string text;
    ASSERT_TRUE(LoadString(3, text));
    EXPECT_EQ(text, "1.05.00.2005\n");
    ASSERT_TRUE(LoadString(4, text));
    EXPECT_EQ(text, "Infrastructure\nAd hoc\nAP Mode\n");
    ASSERT_TRUE(LoadString(5, text));
    EXPECT_EQ(text, "Automatic\n1 Mbps\n2 Mbps\n5.5 Mbps\n11 Mbps\n");
    EXPECT_NE(LoadIcon(128), 0u);
    const Surface* picture = Resources::Instance().FindBitmap(136);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 176);
    EXPECT_EQ(picture->Height(), 62);
    // Drawn, not blank, and without an alpha byte.
    std::set<COLORREF> colours(picture->Pixels().begin(), picture->Pixels().end());
    EXPECT_GT(colours.size(), 10u);
    for (COLORREF colour : colours) EXPECT_EQ(colour >> 24, 0u);
}
