// The desktop widgets of the other control kinds: a sorted drop-down list, a check box, a
// radio group, a report list view, a read-only multi-line edit and a group box. The model's
// state shows in them, and what the user does in them reaches the model as the OS would send
// it.
// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Scrollbar.H>

#include "desktop_fixture.h"
#include "frontend/fltk/combo_choice.h"
#include "frontend/fltk/list_table.h"
#include "frontend/fltk/multi_line_edit.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/list_view.h"
#include "platform/ui/resources.h"

namespace {

constexpr int kChoicesDialog = 9003;
constexpr int kComboId = 3001;
constexpr int kCheckId = 3002;
constexpr int kFirstRadioId = 3003;
constexpr int kSecondRadioId = 3004;
constexpr int kListId = 3005;
constexpr int kLinesId = 3006;
constexpr int kGroupId = 3007;

void RegisterChoicesTemplate() {
    DialogTemplate dialog = TestTemplate(kChoicesDialog, "Choices", 150, 170,
                                         WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT);
    ControlTemplate combo =
        TestControl(kComboId, ControlKind::ComboBox, "", {6, 6, 80, 50}, CBS_SORT);
    combo.items = {"beta", "alpha", "gamma@home"};
    dialog.controls = {
        combo,
        TestControl(kCheckId, ControlKind::CheckBox, "Check", {6, 22, 60, 10}),
        TestControl(kFirstRadioId, ControlKind::RadioButton, "One", {6, 36, 40, 10}, WS_GROUP),
        TestControl(kSecondRadioId, ControlKind::RadioButton, "Two", {50, 36, 40, 10}),
        TestControl(kListId, ControlKind::ListView, "", {6, 50, 138, 50}, LVS_REPORT),
        TestControl(kLinesId, ControlKind::Edit, "", {6, 104, 138, 26},
                    ES_MULTILINE | ES_READONLY | WS_BORDER),
        TestControl(kGroupId, ControlKind::GroupBox, "Group", {2, 134, 146, 30}),
    };
    Resources::Instance().AddDialog(dialog);
}

class ChoicesDialog : public Dialog {
  public:
    ChoicesDialog() : Dialog(kChoicesDialog) {}

    struct Notice {
        int id = 0;
        int code = 0;
        int item = -1;
    };
    std::vector<Notice> notices;

    ListView& List() { return *dynamic_cast<ListView*>(GetDlgItem(kListId)); }
    ComboBox& Combo() { return *dynamic_cast<ComboBox*>(GetDlgItem(kComboId)); }
    Button& ButtonAt(int id) { return *dynamic_cast<Button*>(GetDlgItem(id)); }

  protected:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        List().InsertColumn(0, "SSID", LVCFMT_LEFT, 80);
        List().InsertColumn(1, "Channel", LVCFMT_LEFT, 50);
        List().InsertItem(0, "Harbor");
        List().SetItemText(0, 1, "6");
        List().InsertItem(1, "Lighthouse");
        List().SetItemText(1, 1, "11");
        SetDlgItemText(kLinesId, "one\r\ntwo\r\nthree");
        return TRUE;
    }

    bool OnCommand(int id, int code, HWND control) override {
        if (id != kLinesId) notices.push_back(Notice{id, code});
        return Dialog::OnCommand(id, code, control);
    }

    LRESULT OnNotify(int id, int code, const NMHDR& header) override {
        notices.push_back(Notice{id, code, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem});
        return 0;
    }
};

class DesktopControlsTest : public HostedDesktopTest {
  protected:
    void SetUp() override {
        HostedDesktopTest::SetUp();
        if (IsSkipped()) return;
        RegisterChoicesTemplate();
        ASSERT_TRUE(dialog_.Create(nullptr));
        Host().Sync();
        view_ = Host().ViewOf(dialog_.Handle());
        ASSERT_NE(view_, nullptr);
    }

    void TearDown() override {
        dialog_.DestroyWindow();
        HostedDesktopTest::TearDown();
    }

    template <typename T>
    T* WidgetOf(int id) {
        return dynamic_cast<T*>(view_->MirrorOf(dialog_.GetDlgItem(id)->Handle())->Widget());
    }

    ChoicesDialog dialog_;
    WindowView* view_ = nullptr;
};

TEST_F(DesktopControlsTest, WidgetsShowTheModelState) {
    auto* combo = WidgetOf<ComboChoice>(kComboId);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->size(), 4);  // three entries and the end marker
    EXPECT_STREQ(combo->menu()[0].label(), "alpha");
    EXPECT_STREQ(combo->menu()[2].label(), "gamma@@home") << "shown literally";
    EXPECT_EQ(combo->value(), -1);

    auto* list = WidgetOf<ListTable>(kListId);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->rows(), 2);
    EXPECT_EQ(list->cols(), 2);
    EXPECT_EQ(list->col_width(0), Host().Geometry().Length(80));

    auto* lines = WidgetOf<MultiLineEdit>(kLinesId);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->Text(), "one\ntwo\nthree");

    // Changes made by the code reach the widgets at the next update.
    dialog_.Combo().SetCurSel(2);
    dialog_.CheckDlgButton(kCheckId, BST_CHECKED);
    dialog_.List().SetSelectedItem(1);
    Host().Sync();
    EXPECT_EQ(combo->value(), 2);
    EXPECT_EQ(WidgetOf<Fl_Button>(kCheckId)->value(), 1);
    EXPECT_EQ(list->row_selected(1), 1);
    EXPECT_EQ(list->row_selected(0), 0);
    EXPECT_NE(WidgetOf<Fl_Widget>(kGroupId), nullptr);
    EXPECT_STREQ(WidgetOf<Fl_Widget>(kGroupId)->label(), "Group");
}

TEST_F(DesktopControlsTest, ChoicesReachTheModelWithTheirNotifications) {
    auto* combo = WidgetOf<Fl_Choice>(kComboId);
    combo->value(1);
    combo->do_callback();
    EXPECT_EQ(dialog_.Combo().GetCurSel(), 1);
    ASSERT_FALSE(dialog_.notices.empty());
    EXPECT_EQ(dialog_.notices.back().id, kComboId);
    EXPECT_EQ(dialog_.notices.back().code, CBN_SELCHANGE);

    // A radio button checks itself and clears its group in the model; the widgets follow.
    dialog_.CheckDlgButton(kFirstRadioId, BST_CHECKED);
    Host().Sync();
    auto* second = WidgetOf<Fl_Button>(kSecondRadioId);
    second->value(1);
    second->do_callback();
    EXPECT_EQ(dialog_.ButtonAt(kSecondRadioId).GetCheck(), BST_CHECKED);
    EXPECT_EQ(dialog_.ButtonAt(kFirstRadioId).GetCheck(), BST_UNCHECKED);
    Host().Sync();
    EXPECT_EQ(WidgetOf<Fl_Button>(kFirstRadioId)->value(), 0);
    EXPECT_EQ(dialog_.notices.back().code, BN_CLICKED);
}

TEST_F(DesktopControlsTest, TapAndDoubleTapOnAListRow) {
    auto* list = WidgetOf<ListTable>(kListId);
    Fl::flush();  // laid out
    std::optional<WidgetBox> cell = list->CellBox(1, 0);
    ASSERT_TRUE(cell);
    Fl::e_x = cell->x + cell->w / 2;
    Fl::e_y = cell->y + cell->h / 2;
    Fl::e_clicks = 0;
    list->handle(FL_PUSH);
    list->handle(FL_RELEASE);
    EXPECT_EQ(dialog_.List().GetSelectedItem(), 1);
    ASSERT_FALSE(dialog_.notices.empty());
    EXPECT_EQ(dialog_.notices.back().code, LVN_ITEMCHANGED);
    EXPECT_EQ(dialog_.notices.back().item, 1);

    Fl::e_clicks = 1;
    list->handle(FL_PUSH);
    list->handle(FL_RELEASE);
    Fl::e_clicks = 0;
    EXPECT_EQ(dialog_.notices.back().code, NM_DBLCLK);
    EXPECT_EQ(dialog_.notices.back().item, 1);
}

}  // namespace

TEST_F(DesktopControlsTest, ReadOnlyLinesAreFixedPitchAndTheirScrollReachesTheModel) {
    std::string text;
    for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + "\r\n";
    dialog_.SetDlgItemText(kLinesId, text);
    Host().Sync();
    auto* lines = WidgetOf<MultiLineEdit>(kLinesId);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->textfont(), FL_COURIER);
    // The user drags the vertical scroll bar (the editor's first child) to line 7.
    auto* bar = static_cast<Fl_Scrollbar*>(lines->child(0));
    bar->value(8);
    bar->do_callback();
    Host().Sync();
    auto* edit = static_cast<EditControl*>(dialog_.GetDlgItem(kLinesId));
    EXPECT_EQ(edit->GetFirstVisibleLine(), 7);
    EXPECT_EQ(lines->FirstVisibleLine(), 7);
}
