// Property sheets: first-activation creation of page windows, activation order, tab captions,
// the front window.
#include "platform/ui/property_sheet.h"

#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/property_page.h"
#include "platform/ui/ui_input.h"
#include "ui_fixture.h"

namespace {

constexpr int kMain = 700;
constexpr int kValue = 20;

std::vector<std::string> g_events;

class LoggingPage : public PropertyPage {
  public:
    LoggingPage(int templateId, std::string name) : PropertyPage(templateId), name_(name) {}
    int value = 0;
    bool refuseKill = false;

    BOOL OnInitDialog() override {
        g_events.push_back(name_ + ":init");
        return PropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        g_events.push_back(name_ + ":set");
        return PropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        g_events.push_back(name_ + ":kill");
        return refuseKill ? FALSE : PropertyPage::OnKillActive();
    }

  protected:
    void DoDataExchange(DataExchange& dx) override { dx.Text(kValue, value); }
    void OnDestroy() override { g_events.push_back(name_ + ":destroy"); }

  private:
    std::string name_;
};

class SheetTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_events.clear();
        AddTemplate(kMain, "Main", {Control(1000, ControlKind::ComboBox)});
        const char* captions[] = {"Status", "Statistics", "Site Survey"};
        for (int i = 0; i < 3; ++i) {
            AddTemplate(710 + i, captions[i], {Control(kValue, ControlKind::Edit)},
                        WS_CHILD | WS_CAPTION);
        }
        for (auto* page : {&a, &b, &c}) sheet.AddPage(page);
        ASSERT_TRUE(main.Create(nullptr));
        main.ShowWindow(SW_SHOW);
        WindowManager::Instance().SetMainWindow(&main);
    }
    void TearDown() override {
        main.DestroyWindow();
        WindowManager::Instance().SetMainWindow(nullptr);
        UiTest::TearDown();
    }
    Dialog main{kMain};
    LoggingPage a{710, "a"}, b{711, "b"}, c{712, "c"};
    PropertySheet sheet;
};

TEST_F(SheetTest, PagesAreCreatedOnFirstActivationWithKillBeforeSet) {
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(b.Handle(), 0u);
    EXPECT_EQ(WindowManager::Instance().FrontWindow(), &a);
    for (int index : {1, 2, 0, 1}) ASSERT_TRUE(sheet.SetActivePage(index));
    EXPECT_EQ(g_events,
              (std::vector<std::string>{"a:init", "a:set", "a:kill", "b:init", "b:set", "b:kill",
                                        "c:init", "c:set", "c:kill", "a:set", "a:kill", "b:set"}));
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_FALSE(a.IsWindowVisible());
    EXPECT_EQ(WindowManager::Instance().FrontWindow(), &b);
}

TEST_F(SheetTest, ReselectingTheActivePageDeactivatesAndReactivatesIt) {
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    g_events.clear();
    ASSERT_TRUE(SelectTab(sheet, 0));
    EXPECT_EQ(g_events, (std::vector<std::string>{"a:kill", "a:set"}));
    EXPECT_TRUE(a.IsWindowVisible());
}

TEST_F(SheetTest, ActivationAfterTheFirstMovesMembersToControls) {
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    a.value = 3;  // the first activation (right after initialisation) moved nothing more
    EXPECT_EQ(a.GetDlgItemText(kValue), "0");
    ASSERT_TRUE(sheet.SetActivePage(1));
    EXPECT_FALSE(TypeText(a, kValue, "9"));  // hidden page: typing is refused
    EXPECT_EQ(a.value, 0);                   // deactivation saved the shown "0"
    a.value = 4;
    ASSERT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(a.GetDlgItemText(kValue), "4");
}

TEST_F(SheetTest, RefusedDeactivationKeepsThePageInFront) {
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    a.refuseKill = true;
    EXPECT_FALSE(SelectTab(sheet, 2));
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(c.Handle(), 0u);
}

TEST_F(SheetTest, DestroyingTheMainWindowDestroysCreatedPagesAfterIt) {
    ASSERT_TRUE(sheet.Create(&main, WS_CHILD | WS_VISIBLE));
    ASSERT_TRUE(sheet.SetActivePage(2));
    g_events.clear();
    main.DestroyWindow();
    EXPECT_EQ(g_events, (std::vector<std::string>{"a:destroy", "c:destroy"}));
    EXPECT_EQ(sheet.Handle(), 0u);
    EXPECT_EQ(sheet.GetActiveIndex(), -1);
    // A new sheet window starts over: first activation creates the page again.
    ASSERT_TRUE(main.Create(nullptr));
    g_events.clear();
    ASSERT_TRUE(sheet.Create(&main));
    EXPECT_EQ(g_events, (std::vector<std::string>{"a:init", "a:set"}));
}

TEST_F(SheetTest, MainWindowIsForgottenWhenItsObjectGoes) {
    {
        Dialog other(kMain);
        WindowManager::Instance().SetMainWindow(&other);
    }
    EXPECT_EQ(WindowManager::Instance().MainWindow(), nullptr);
    EXPECT_EQ(WindowManager::Instance().FrontWindow(), nullptr);
}

}  // namespace
