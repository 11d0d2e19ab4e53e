// Controls: combo box, list view, edit, buttons, progress bar, and the input a front end feeds.
#include <set>
#include <string>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/list_view.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/ui_input.h"
#include "ui_fixture.h"

namespace {

constexpr int kPage = 600;
constexpr int kSorted = 1, kPlain = 2, kList = 3, kOutput = 4, kIndex = 5, kBar = 6, kOff = 7,
              kOn = 8, kOther = 9, kHidden = 10;

class RecordingDialog : public Dialog {
  public:
    RecordingDialog() : Dialog(kPage) {}
    std::vector<std::pair<int, int>> commands;
    std::vector<std::pair<int, int>> notices;  // id, code
    int lastRow = -2;

  protected:
    bool OnCommand(int id, int code, HWND control) override {
        commands.emplace_back(id, code);
        return Dialog::OnCommand(id, code, control);
    }
    LRESULT OnNotify(int id, int code, const NMHDR& header) override {
        notices.emplace_back(id, code);
        lastRow = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        return 0;
    }
};

class ControlsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        ControlTemplate hidden = Control(kHidden, ControlKind::PushButton, "Hidden");
        hidden.visible = false;
        AddTemplate(kPage, "Page",
                    {Control(kSorted, ControlKind::ComboBox, "", CBS_SORT),
                     Control(kPlain, ControlKind::ComboBox),
                     Control(kList, ControlKind::ListView, "", LVS_REPORT, 100, 60),
                     Control(kOutput, ControlKind::Edit, "",
                             ES_MULTILINE | ES_READONLY | ES_UPPERCASE, 80, 32),
                     Control(kIndex, ControlKind::Edit),
                     Control(kBar, ControlKind::ProgressBar, "", PBS_SMOOTH),
                     Control(kOff, ControlKind::RadioButton, "Off", WS_GROUP),
                     Control(kOn, ControlKind::RadioButton, "On"),
                     Control(kOther, ControlKind::RadioButton, "Other", WS_GROUP), hidden});
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOW);
        dialog.commands.clear();
    }
    void TearDown() override {
        dialog.DestroyWindow();
        UiTest::TearDown();
    }
    template <typename T>
    T& Item(int id) {
        return dynamic_cast<T&>(*dialog.GetDlgItem(id));
    }
    RecordingDialog dialog;
};

TEST_F(ControlsTest, SortedComboBoxOrdersEntriesWithoutRegardToCase) {
    HWND combo = dialog.GetDlgItem(kSorted)->Handle();
    // Added through messages, as the lower layers fill a chooser.
    for (const char* name : {"wlan1", "Adapter2", "adapter1", "WLAN0"}) {
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    EXPECT_EQ(Item<ComboBox>(kSorted).Items(),
              (std::vector<std::string>{"adapter1", "Adapter2", "WLAN0", "wlan1"}));
    EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    SendMessage(combo, CB_SETCURSEL, 0, 0);

    char buffer[16] = {};
    ASSERT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 0, 0), 8);
    EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 8);
    EXPECT_STREQ(buffer, "adapter1");
    EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
    EXPECT_EQ(dialog.GetDlgItemText(kSorted), "adapter1");
    EXPECT_TRUE(dialog.commands.empty());  // CB_SETCURSEL does not notify
}

TEST_F(ControlsTest, ComboBoxKeepsItsSelectionOnTheSameEntryAsEntriesComeAndGo) {
    ComboBox& combo = Item<ComboBox>(kPlain);
    for (const char* text : {"b", "c"}) combo.AddString(text);
    combo.SetCurSel(1);  // "c"
    EXPECT_EQ(combo.InsertString(0, "a"), 0);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.DeleteString(1), 1);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetWindowText(), "");
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(combo.DeleteString(5), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, UserSelectionNotifiesSelChange) {
    ComboBox& combo = Item<ComboBox>(kPlain);
    for (const char* text : {"Disable", "Enable (Max)", "Enable (Fast)"}) combo.AddString(text);
    ASSERT_TRUE(SelectItem(dialog, kPlain, 2));
    EXPECT_FALSE(SelectItem(dialog, kPlain, 3));
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{kPlain, CBN_SELCHANGE}}));
    EXPECT_EQ(combo.GetCurSel(), 2);
    combo.EnableWindow(false);
    EXPECT_FALSE(SelectItem(dialog, kPlain, 0));
}

TEST_F(ControlsTest, ListViewAutomaticWidthCountsTheHeader) {
    ListView& list = Item<ListView>(kList);
    list.SetExtendedStyle(0x70);
    const char* headers[] = {"SSID", "BSSID", "Mode", "CH"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.InsertColumn(i, headers[i]), i);
    EXPECT_EQ(list.GetColumnWidth(0), 0);  // no width given

    // Empty list: each column as wide as its header.
    for (int i = 0; i < 3; ++i) list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(0), TextWidth("SSID") + ListView::kCellPadding);
    EXPECT_EQ(list.GetColumnWidth(2), TextWidth("Mode") + ListView::kCellPadding);

    int row = list.InsertItem(list.GetItemCount(), "a-very-long-network-name");
    list.SetItemText(row, 1, "00-11-22-33-44-55");
    list.SetItemText(row, 2, "AP");
    list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(0),
              TextWidth("a-very-long-network-name") + ListView::kCellPadding);
    EXPECT_EQ(list.GetColumnWidth(2), TextWidth("Mode") + ListView::kCellPadding);  // header
    list.SetColumnWidth(2, LVSCW_AUTOSIZE);
    EXPECT_EQ(list.GetColumnWidth(2), TextWidth("AP") + ListView::kCellPadding);  // cells only
}

TEST_F(ControlsTest, ListViewLastColumnFillsTheRestOfTheControl) {
    ListView& list = Item<ListView>(kList);  // 100 DU = 150 px wide
    list.InsertColumn(0, "A", LVCFMT_LEFT, 40);
    list.InsertColumn(1, "B");
    list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(1), 150 - 40);
    list.SetColumnWidth(0, 200);
    list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(1), TextWidth("B") + ListView::kCellPadding);
}

TEST_F(ControlsTest, ListViewRowsCellsAndNotifications) {
    ListView& list = Item<ListView>(kList);
    list.InsertColumn(0, "A");
    list.InsertColumn(1, "B");
    EXPECT_EQ(list.InsertItem(5, "second"), 0);  // clamped to the end
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_TRUE(list.SetItemText(1, 1, "cell"));
    EXPECT_FALSE(list.SetItemText(1, 2, "beyond the columns"));
    EXPECT_FALSE(list.SetItemText(2, 0, "no such row"));
    ControlState state = list.Describe();
    EXPECT_EQ(state.rows,
              (std::vector<std::vector<std::string>>{{"first", ""}, {"second", "cell"}}));
    ASSERT_TRUE(DoubleClickItem(dialog, kList, 1));
    EXPECT_EQ(dialog.notices, (std::vector<std::pair<int, int>>{{kList, NM_DBLCLK}}));
    EXPECT_EQ(dialog.lastRow, 1);
    EXPECT_EQ(list.GetSelectedItem(), 1);
    ASSERT_TRUE(SelectItem(dialog, kList, 0));
    EXPECT_EQ(dialog.notices.back(), (std::pair<int, int>{kList, LVN_ITEMCHANGED}));
    EXPECT_FALSE(DoubleClickItem(dialog, kList, 2));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetSelectedItem(), -1);
}

TEST_F(ControlsTest, EditFirstVisibleLineAndLineScroll) {
    EditControl& edit = Item<EditControl>(kOutput);  // 32 DU = 48 px: 4 lines show
    ASSERT_EQ(edit.VisibleLineCount(), 4);
    std::string dump;
    for (int line = 0; line < 16; ++line) dump += "0000:\tab cd\r\n";
    dialog.SetDlgItemText(kOutput, dump);
    EXPECT_EQ(edit.GetLineCount(), 17);  // the text ends with a line break
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    edit.LineScroll(5);
    EXPECT_EQ(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 5);
    edit.LineScroll(-2);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 3);
    edit.LineScroll(100);  // no further than the last line at the bottom
    EXPECT_EQ(edit.GetFirstVisibleLine(), 17 - 4);
    edit.LineScroll(-100);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);

    // Setting the text scrolls back to the top; a saved line can be restored.
    edit.LineScroll(6);
    int saved = edit.GetFirstVisibleLine();
    dialog.SetDlgItemText(kOutput, dump);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    edit.LineScroll(saved);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 6);
    // A single-line edit does not scroll by lines.
    EXPECT_EQ(dialog.SendDlgItemMessage(kIndex, EM_LINESCROLL, 0, 3), FALSE);
}

TEST_F(ControlsTest, UpperCaseReadOnlyAndLimit) {
    dialog.SetDlgItemText(kOutput, "0a ff");
    EXPECT_EQ(dialog.GetDlgItemText(kOutput), "0A FF");
    EXPECT_FALSE(TypeText(dialog, kOutput, "typed"));  // read-only
    EXPECT_EQ(dialog.GetDlgItemText(kOutput), "0A FF");

    EditControl& index = Item<EditControl>(kIndex);
    index.SetLimitText(3);
    dialog.commands.clear();
    ASSERT_TRUE(TypeText(dialog, kIndex, "12345"));
    EXPECT_EQ(index.GetWindowText(), "123");  // typing stops at the limit
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{kIndex, EN_CHANGE}}));
    dialog.SetDlgItemText(kIndex, "12345");  // setting the text does not
    EXPECT_EQ(index.GetWindowText(), "12345");
    index.SetReadOnly(true);
    EXPECT_TRUE(index.IsReadOnly());
    EXPECT_FALSE(TypeText(dialog, kIndex, "1"));
}

TEST_F(ControlsTest, RadioClickChecksItsGroupOnly) {
    ASSERT_TRUE(ClickControl(dialog, kOther));
    ASSERT_TRUE(ClickControl(dialog, kOn));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOther), BST_CHECKED);  // another group
    ASSERT_TRUE(ClickControl(dialog, kOff));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOn), BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOff), BST_CHECKED);
    ASSERT_TRUE(ClickControl(dialog, kOff));  // clicking the checked one still notifies
    EXPECT_EQ(dialog.commands.size(), 4u);
    EXPECT_EQ(dialog.commands.back(), (std::pair<int, int>{kOff, BN_CLICKED}));
    // BM_SETCHECK changes the button alone.
    dialog.CheckDlgButton(kOn, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOff), BST_CHECKED);
}

TEST_F(ControlsTest, InputIsRefusedForHiddenDisabledOrMissingControls) {
    EXPECT_FALSE(ClickControl(dialog, kHidden));
    dialog.GetDlgItem(kOff)->EnableWindow(false);
    EXPECT_FALSE(ClickControl(dialog, kOff));
    EXPECT_FALSE(ClickControl(dialog, 4242));
    EXPECT_FALSE(ClickControl(dialog, kIndex));  // an edit is not a button
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(ControlsTest, ProgressBarPacksItsSixteenBitRangeAndClampsPosition) {
    ProgressBar& bar = Item<ProgressBar>(kBar);
    EXPECT_EQ(bar.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(10, 300)), MAKELPARAM(0, 100));
    int lower = 0, upper = 0;
    bar.GetRange(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 300);
    EXPECT_EQ(bar.SetPos(500), 10);  // returns the previous position
    EXPECT_EQ(bar.GetPos(), 300);
    bar.SetRange(0, 100);
    EXPECT_EQ(bar.GetPos(), 100);
    EXPECT_EQ(bar.SendMessage(PBM_GETRANGE, TRUE), 0);
    EXPECT_EQ(bar.SendMessage(PBM_GETRANGE, FALSE), 100);
    EXPECT_TRUE(bar.HasUpdate());
}

TEST_F(ControlsTest, EveryChangeIsObservable) {
    std::set<HWND> changed;
    WindowManager::Instance().SetChangeObserver([&](HWND hwnd) { changed.insert(hwnd); });
    Item<ProgressBar>(kBar).SetPos(30);
    Item<ComboBox>(kPlain).AddString("x");
    dialog.GetDlgItem(kHidden)->ShowWindow(SW_SHOW);
    WindowManager::Instance().SetChangeObserver(nullptr);
    EXPECT_EQ(changed, (std::set<HWND>{dialog.GetDlgItem(kBar)->Handle(),
                                       dialog.GetDlgItem(kPlain)->Handle(),
                                       dialog.GetDlgItem(kHidden)->Handle()}));
}

}  // namespace
