// Dialogs: destruction order, data exchange, OK/cancel, control binding, device-change
// broadcast.
#include "platform/ui/dialog.h"

#include <string>
#include <vector>

#include "platform/ui/combo_box.h"
#include "platform/ui/edit_control.h"
#include "platform/ui/ui_input.h"
#include "ui_fixture.h"

namespace {

constexpr int kForm = 800;
constexpr int kName = 10, kNumber = 11, kOff = 12, kOn = 13, kCheck = 14, kCombo = 15, kSecond = 17;

std::vector<std::string> g_log;

class LoggingEdit : public EditControl {
  protected:
    void OnDestroy() override {
        g_log.push_back("edit destroyed, parent window " +
                        std::string(IsWindow(GetParent()->Handle()) ? "valid" : "gone"));
    }
};

class FormDialog : public Dialog {
  public:
    FormDialog() : Dialog(kForm) {}
    std::string name = "initial";
    int number = 5;
    int second = 6;
    int radio = 1;
    int check = BST_CHECKED;
    int combo = 1;
    LoggingEdit nameEdit;

  protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(kName, nameEdit);
        dx.Text(kName, name);
        dx.Text(kNumber, number);
        dx.Text(kSecond, second);
        dx.Radio(kOff, radio);
        dx.Check(kCheck, check);
        dx.ComboIndex(kCombo, combo);
    }
    void OnDestroy() override {
        g_log.push_back("dialog destroyed, child window " +
                        std::string(IsWindow(nameEdit.Handle()) ? "valid" : "gone"));
    }
};

class DialogTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_log.clear();
        ControlTemplate combo = Control(kCombo, ControlKind::ComboBox);
        combo.items = {"zero", "one", "two"};
        AddTemplate(kForm, "Form",
                    {Control(kName, ControlKind::Edit), Control(kNumber, ControlKind::Edit),
                     Control(kSecond, ControlKind::Edit),
                     Control(kOff, ControlKind::RadioButton, "Off", WS_GROUP),
                     Control(kOn, ControlKind::RadioButton, "On"),
                     Control(kCheck, ControlKind::CheckBox, "Check", WS_GROUP), combo});
        ASSERT_TRUE(form.Create(nullptr));
    }
    void TearDown() override {
        form.DestroyWindow();
        UiTest::TearDown();
    }
    FormDialog form;
};

TEST_F(DialogTest, InitialisationMovesMembersIntoControls) {
    EXPECT_EQ(form.GetDlgItemText(kName), "initial");
    EXPECT_EQ(form.GetDlgItemText(kNumber), "5");
    EXPECT_EQ(form.IsDlgButtonChecked(kOff), BST_UNCHECKED);
    EXPECT_EQ(form.IsDlgButtonChecked(kOn), BST_CHECKED);
    EXPECT_EQ(form.IsDlgButtonChecked(kCheck), BST_CHECKED);
    EXPECT_EQ(form.GetDlgItemText(kCombo), "one");
    EXPECT_EQ(form.GetDlgItem(kName), &form.nameEdit);  // bound by the first exchange
    // A window created anew binds the same object to its new control.
    form.DestroyWindow();
    ASSERT_TRUE(form.Create(nullptr));
    EXPECT_EQ(form.GetDlgItem(kName), &form.nameEdit);
    EXPECT_EQ(form.nameEdit.GetWindowText(), "initial");
}

TEST_F(DialogTest, NonIntegerIsRefusedWithTheStandardMessageAndTheOldValueKept) {
    ASSERT_TRUE(TypeText(form, kName, "changed"));
    ASSERT_TRUE(TypeText(form, kNumber, "12abc"));
    ASSERT_TRUE(TypeText(form, kSecond, "99"));
    EXPECT_FALSE(form.UpdateData(TRUE));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Please enter an integer.");
    EXPECT_EQ(form.name, "changed");  // before the refused field: taken
    EXPECT_EQ(form.number, 5);        // refused: kept
    EXPECT_EQ(form.second, 6);        // after it: the exchange stopped
}

TEST_F(DialogTest, IntegerFieldsAcceptBlanksAndSignOnly) {
    struct Case {
        const char* text;
        bool accepted;
        int value;
    };
    for (const Case& c :
         {Case{" -42 ", true, -42}, Case{"+7", true, 7}, Case{"", false, 0}, Case{"-", false, 0},
          Case{"0x10", false, 0}, Case{"1 2", false, 0}, Case{"2147483647", true, 2147483647},
          Case{"2147483648", false, 0}, Case{"-2147483648", true, -2147483647 - 1}}) {
        form.number = 5;
        host.boxes.clear();
        ASSERT_TRUE(TypeText(form, kNumber, c.text));
        EXPECT_EQ(form.UpdateData(TRUE) != FALSE, c.accepted) << c.text;
        EXPECT_EQ(form.number, c.accepted ? c.value : 5) << c.text;
        EXPECT_EQ(host.boxes.size(), c.accepted ? 0u : 1u) << c.text;
    }
}

TEST_F(DialogTest, OkStaysOpenWhenTheExchangeFailsAndEndsWhenItSucceeds) {
    ASSERT_TRUE(TypeText(form, kNumber, "x"));
    PressEnter(form);
    EXPECT_FALSE(form.IsEnding());
    ASSERT_TRUE(TypeText(form, kNumber, "8"));
    PressEnter(form);
    EXPECT_TRUE(form.IsEnding());
    EXPECT_EQ(form.Result(), IDOK);
    EXPECT_EQ(form.number, 8);
}

TEST_F(DialogTest, RadioGroupCheckAndComboIndexExchange) {
    ASSERT_TRUE(ClickControl(form, kOff));
    ASSERT_TRUE(ClickControl(form, kCheck));
    ASSERT_TRUE(SelectItem(form, kCombo, 2));
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(form.radio, 0);
    EXPECT_EQ(form.check, BST_UNCHECKED);
    EXPECT_EQ(form.combo, 2);

    form.radio = -1;
    form.UpdateData(FALSE);
    EXPECT_EQ(form.IsDlgButtonChecked(kOff), BST_UNCHECKED);
    EXPECT_EQ(form.IsDlgButtonChecked(kOn), BST_UNCHECKED);
    form.UpdateData(TRUE);
    EXPECT_EQ(form.radio, -1);
    // The check box starts a new group: it is not part of the radio group.
    EXPECT_EQ(form.check, BST_UNCHECKED);
}

TEST_F(DialogTest, DestroyReachesTheParentFirstWhileChildrenStillExist) {
    form.DestroyWindow();
    EXPECT_EQ(g_log, (std::vector<std::string>{"dialog destroyed, child window valid",
                                               "edit destroyed, parent window valid"}));
    EXPECT_EQ(form.Handle(), 0u);
    EXPECT_EQ(form.nameEdit.Handle(), 0u);
    EXPECT_TRUE(form.Children().empty());
}

class DeviceWatcher : public Dialog {
  public:
    explicit DeviceWatcher(int templateId) : Dialog(templateId) {}
    std::vector<std::pair<UINT, std::string>> events;

  protected:
    LRESULT OnDeviceChange(UINT event, const BYTE* header) override {
        std::string name;
        if (header != nullptr) name.assign(reinterpret_cast<const char*>(header + 12));
        events.emplace_back(event, name);
        return 0;
    }
};

TEST_F(DialogTest, DeviceChangeReachesEveryTopLevelWindowButNoChild) {
    AddTemplate(801, "Child", {}, WS_CHILD);
    DeviceWatcher top(kForm), child(801), owned(kForm);
    ASSERT_TRUE(top.Create(nullptr));
    ASSERT_TRUE(child.Create(&top));
    ASSERT_TRUE(owned.Create(&top));  // a popup: top-level, only owned by `top`
    std::vector<BYTE> header(12, 0);
    header[0] = 18;
    header[4] = 3;
    for (char c : std::string("COM1:")) header.push_back(static_cast<BYTE>(c));
    header.push_back(0);
    BroadcastDeviceChange(DBT_DEVICEREMOVECOMPLETE, header);
    EXPECT_EQ(top.events,
              (std::vector<std::pair<UINT, std::string>>{{DBT_DEVICEREMOVECOMPLETE, "COM1:"}}));
    EXPECT_TRUE(child.events.empty());
    EXPECT_EQ(owned.events.size(), 1u);
    top.DestroyWindow();
    EXPECT_EQ(child.Handle(), 0u);  // children go with their parent
}

}  // namespace
