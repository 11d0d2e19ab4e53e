// The dump of the window in front, and the text mode's view of it.
#include "frontend/headless/window_dump.h"

#include <sstream>

#include "frontend/headless/text_fields.h"
#include "frontend/headless/text_view.h"
#include "headless_fixture.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/property_page.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_input.h"

namespace {

class WindowDumpTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(main.Create(nullptr));
        WindowManager::Instance().SetMainWindow(&main);
    }
    void TearDown() override {
        main.DestroyWindow();
        HeadlessTest::TearDown();
    }
    std::string Dump(Window& window) {
        std::ostringstream text;
        DumpWindow(text, window);
        return text.str();
    }
    void FillList() {
        auto* list = dynamic_cast<ListView*>(main.GetDlgItem(1006));
        ASSERT_NE(list, nullptr);
        list->InsertColumn(0, "SSID");
        list->InsertColumn(1, "Ch");
        list->InsertItem(0, "home \"net\"");
        list->SetItemText(0, 1, "6");
        list->InsertItem(1, "cafe");
        list->SetItemText(1, 1, "11");
        list->SetSelectedItem(1);
    }

    TestDialog main{kMainTemplate};
};

TEST_F(WindowDumpTest, ListsEveryControlInItsStableForm) {
    FillList();
    dynamic_cast<ComboBox*>(main.GetDlgItem(1005))->SetCurSel(0);
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetRange(0, 100);
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetPos(42);
    main.SetDlgItemText(1002, "line\tone");
    main.CheckDlgButton(1004, BST_CHECKED);
    EXPECT_EQ(Dump(main),
              "window \"Main Test\"\n"
              "-1 static \"&Name:\" enabled visible\n"
              "1002 edit \"line\\tone\" enabled visible\n"
              "1003 button \"Open\" enabled visible\n"
              "1004 check \"Loud\" enabled visible checked\n"
              "1005 combo \"alpha\" enabled visible sel=0\n"
              "  [0] \"alpha\"\n"
              "  [1] \"beta\"\n"
              "1006 listview \"\" enabled visible sel=1\n"
              "  columns \"SSID\" \"Ch\"\n"
              "  [0] \"home \\\"net\\\"\" \"6\"\n"
              "  [1] \"cafe\" \"11\"\n"
              "-1 static \"Level\" enabled visible\n"
              "1007 progress \"\" enabled visible pos=42 range=0..100\n"
              "1008 edit \"secret\" enabled hidden\n"
              "1009 button \"Never\" disabled visible\n"
              "1010 edit \"fixed\" enabled visible readonly\n");
}

TEST_F(WindowDumpTest, BusyTitleAndTheTextExpectCompares) {
    BeginWaitCursor();
    EXPECT_EQ(Dump(main).substr(0, 24), "window \"Main Test\" busy\n");
    EndWaitCursor();
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetPos(7);
    EXPECT_EQ(ShownText(main.GetDlgItem(1007)->Describe()), "7");
    EXPECT_EQ(ShownText(main.GetDlgItem(1003)->Describe()), "Open");
}

TEST_F(WindowDumpTest, TextFieldsPairLabelsWithTheControlsBesideThem) {
    main.SetDlgItemText(1002, "Ann");
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetRange(0, 200);
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetPos(50);
    std::vector<TextField> fields = LabelledFields(main);
    std::vector<TextField> expected = {
        {1002, "Name", "Ann"}, {1004, "", "[ ] Loud"},  {1005, "", ""},
        {1006, "", "0 rows"},  {1007, "Level", "25 %"}, {1010, "", "fixed"},
    };
    EXPECT_EQ(fields, expected);
    EXPECT_EQ(CleanLabel("&Rescan"), "Rescan");
    EXPECT_EQ(CleanLabel("Save && go:"), "Save & go");
}

TEST_F(WindowDumpTest, TextViewPrintsTheWindowOnceThenChangedFields) {
    std::ostringstream text;
    TextView view(text);
    view.Refresh();
    clock.Advance(5300);
    view.Refresh();  // nothing changed: nothing printed
    main.SetDlgItemText(1002, "Bo");
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetPos(9);
    view.Refresh();
    EXPECT_EQ(text.str(),
              "[0.0 s] Main Test\n"
              "  Name: \n"
              "  [ ] Loud\n"
              "  \n"
              "  0 rows\n"
              "  Level: 0 %\n"
              "  fixed\n"
              "[5.3 s] Name: Bo\n"
              "[5.3 s] Level: 9 %\n");
}

// A main window with a sheet of two pages: the dump shows the page in front and the tabs.
class SheetDumpTest : public WindowDumpTest {
  protected:
    void SetUp() override {
        WindowDumpTest::SetUp();
        for (int id : {910, 911}) {
            AddTemplate(id, id == 910 ? "One" : "Site Survey", WS_CHILD | WS_VISIBLE,
                        {Control(3000 + id, ControlKind::Edit, "p", 5, 5)});
        }
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        ASSERT_TRUE(sheet.Create(&main));
    }

    PropertySheet sheet;
    PropertyPage one{910};
    PropertyPage two{911};
};

TEST_F(SheetDumpTest, ThePageInFrontShowsUnderTheMainTitleWithTheTabs) {
    ASSERT_TRUE(SelectTab(sheet, 1));
    EXPECT_EQ(Dump(*WindowManager::Instance().FrontWindow()),
              "window \"Main Test\"\n"
              "tabs \"One\" [\"Site Survey\"]\n"
              "3911 edit \"p\" enabled visible\n");
}

}  // namespace
