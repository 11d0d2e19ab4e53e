// The registered resources: every template's controls lie inside it with distinct ids and a
// visibility that agrees with their style; the icon and the About picture are there.
#include "platform/ui/resources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/ui/window_constants.h"
#include "res/resource_ids.h"
#include "res/utility_resources.h"

TEST(ResourcesTest, TemplatesHoldTheirControlsAndThePictureIsDrawn) {
    Resources::Instance().Clear();
    RegisterUtilityResources();
    for (int id : {IDD_MAIN, IDD_ABOUT, IDD_STATUS, IDD_BBCR, IDD_MCR, IDD_EEPROM, IDD_STATISTICS,
                   IDD_SITE_SURVEY, IDD_PROCESSING, IDD_CONFIGURATION, IDD_RADIO}) {
        const DialogTemplate* found = Resources::Instance().FindDialog(id);
        ASSERT_NE(found, nullptr) << id;
        std::set<int> ids;
        for (const ControlTemplate& control : found->controls) {
            SCOPED_TRACE(std::to_string(id) + " " + control.text + " " +
                         std::to_string(control.id));
            EXPECT_TRUE(control.x >= 0 && control.y >= 0 && control.x + control.cx <= found->cx);
            // A combo box's height includes its drop-down list.
            EXPECT_TRUE(control.kind == ControlKind::ComboBox ||
                        control.y + control.cy <= found->cy);
            EXPECT_TRUE(control.id == IDC_STATIC || ids.insert(control.id).second);
            EXPECT_EQ((control.style & WS_VISIBLE) != 0, control.visible);
        }
    }
    EXPECT_NE(LoadIcon(IDR_MAINFRAME), 0u);
    const Surface* picture = Resources::Instance().FindBitmap(IDB_ABOUT_PICTURE);
    ASSERT_NE(picture, nullptr);
    std::set<COLORREF> colours(picture->Pixels().begin(), picture->Pixels().end());
    EXPECT_GT(colours.size(), 10u);
    for (COLORREF colour : colours) EXPECT_EQ(colour >> 24, 0u) << "no alpha byte";
    Resources::Instance().Clear();
}
