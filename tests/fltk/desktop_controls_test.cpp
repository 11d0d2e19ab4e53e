// The desktop widgets of each control kind in the controls dialog: the model's state shows in
// them, and what the user does in them reaches the model as the OS would send it.
// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Scrollbar.H>

#include "desktop_fixture.h"
#include "frontend/fltk/combo_choice.h"
#include "frontend/fltk/list_table.h"
#include "frontend/fltk/multi_line_edit.h"
#include "platform/ui/edit_control.h"

namespace {

class DesktopControlsTest : public HostedDesktopTest {
  protected:
    void SetUp() override {
        HostedDesktopTest::SetUp();
        if (IsSkipped()) return;
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

    ControlsDialog dialog_;
    WindowView* view_ = nullptr;
};

TEST_F(DesktopControlsTest, ButtonsAndEditsGoThroughTheModel) {
    EXPECT_STREQ(view_->Desktop().label(), "Desktop Test");
    auto* button = WidgetOf<Fl_Widget>(kButtonId);
    button->do_callback();
    EXPECT_EQ(dialog_.clicks, 1);
    Host().Sync();
    EXPECT_STREQ(WidgetOf<Fl_Widget>(kStaticId)->label(), "Pushed");

    // Typed text goes through the model, which upper-cases it; the widget shows the result.
    auto* input = WidgetOf<Fl_Input>(kEditId);
    input->value("abc");
    input->do_callback();
    EXPECT_EQ(dialog_.typed, "ABC");
    Host().Sync();
    EXPECT_STREQ(input->value(), "ABC");

    // A disabled control ignores the tap, and the widget follows the model.
    const int builds = view_->BuildCount();
    dialog_.GetDlgItem(kButtonId)->EnableWindow(false);
    Host().Sync();
    ASSERT_EQ(view_->BuildCount(), builds) << "changes of state do not rebuild the window";
    EXPECT_FALSE(button->active());
    button->do_callback();
    EXPECT_EQ(dialog_.clicks, 1);
}

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
    EXPECT_EQ(dialog_.IsDlgButtonChecked(kSecondRadioId), BST_CHECKED);
    EXPECT_EQ(dialog_.IsDlgButtonChecked(kFirstRadioId), BST_UNCHECKED);
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
