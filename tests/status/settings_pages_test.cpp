// The pages that change settings, in the whole application: the Radio page's stored values,
// the About page without an adapter and the profile dialog's modes that no button opens.
#include "platform/ui/edit_control.h"
#include "status_fixture.h"

namespace {

constexpr int RADIO_TAB = 3;
constexpr int ABOUT_TAB = 4;

class SettingsPagesTest : public StatusTest {
  protected:
    // Runs the profile dialog in `mode` from inside the main dialog; `inside` acts in it.
    void RunProfile(int mode, const std::function<void(CProfileDialog&)>& inside) {
        onOtherModal = [&inside](Dialog& dialog) {
            inside(dynamic_cast<CProfileDialog&>(dialog));
            CloseWindow(dialog);
        };
        main->ProfileDialog()->SetMode(mode);
        main->ProfileDialog()->DoModal();
    }
};

TEST_F(SettingsPagesTest, RadioPageShowsWhatTheStoredTextsSay) {
    struct Case {
        const char *name, *before, *text;
        int id, shown;  // -1: no selection
    };
    const Case cases[] = {
        {"Channel", "5", "1", IDC_RADIO_CHANNEL, 0},  {"Channel", "5", "13", IDC_RADIO_CHANNEL, 12},
        {"Channel", "5", "14", IDC_RADIO_CHANNEL, 4}, {"Channel", "5", "0", IDC_RADIO_CHANNEL, -1},
        {"Channel", "5", "", IDC_RADIO_CHANNEL, 4},   {"Channel", "5", "abc", IDC_RADIO_CHANNEL, 4},
        {"PowerMode", "1", "2", IDC_POWER_SAVING, 2}, {"PowerMode", "1", "3", IDC_POWER_SAVING, 1},
        {"RadioOn", "0", "1", IDC_RADIO_ON, 1},       {"RadioOn", "1", "0", IDC_RADIO_ON, 0},
        {"RadioOn", "1", "yes", IDC_RADIO_ON, 0},     {"RadioOn", "1", "", IDC_RADIO_ON, 0},
    };
    Run([&] {
        CRadio& radio = main->RadioPage();
        for (const Case& c : cases) {
            for (const char* text : {c.before, c.text}) {
                Store(c.name, text);
                Show(RADIO_TAB);
            }
            int shown =
                c.id == IDC_RADIO_ON ? radio.IsDlgButtonChecked(c.id) : Selection(radio, c.id);
            EXPECT_EQ(shown, c.shown) << c.name << " '" << c.text << "'";
        }
    });
}

TEST_F(SettingsPagesTest, PowerSavingAndChannelAreStoredForTheNextDriverLoad) {
    Run([this] {
        CRadio& radio = main->RadioPage();
        Show(RADIO_TAB);
        ASSERT_TRUE(SelectItem(radio, IDC_POWER_SAVING, 2));
        ASSERT_TRUE(dynamic_cast<ComboBox*>(FindControl(radio, IDC_RADIO_CHANNEL))->Select(5));
        EXPECT_EQ(std::tuple(Stored("PowerMode"), Stored("Channel")), std::tuple("2", "6"));
        EXPECT_EQ(card->WithCard([](CardModel& m) { return m.settings; }).powerMode, 0u);
    });
    Run([this] {
        EXPECT_EQ(card->WithCard([](CardModel& m) { return m.settings; }).powerMode, 1u);
    });  // fast saving: driver value 1
}

TEST_F(SettingsPagesTest, AboutPageWithoutAnAdapterHasNoDriverVersion) {
    Run([this] {
        main->AboutPage().SetAdapter(nullptr);
        Show(ABOUT_TAB);
        EXPECT_EQ(main->AboutPage().GetDlgItemText(IDC_DRIVER_VERSION), "N/A");
    });
}

TEST_F(SettingsPagesTest, ProfileEditingAndFixedNetworkModes) {
    Run([this] {
        main->ProfileDialog()->SetSsid("");
        RunProfile(CProfileDialog::MODE_PROFILE_EDITING, [](CProfileDialog& dialog) {
            EXPECT_EQ(std::tuple(dialog.GetWindowText(), dialog.GetDlgItemText(IDC_APPLY),
                                 dialog.GetDlgItemText(IDC_PROFILE_NAME)),
                      std::tuple("Profile editing", "Save", "Profile1"));
            ASSERT_TRUE(SelectItem(dialog, IDC_PROFILE_RATE, 3));
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_RATE), "5.5 Mbps");
            ASSERT_TRUE(SelectItem(dialog, IDC_PROFILE_NETWORK_TYPE, 1));
            EXPECT_EQ(dialog.SelectedType(), 1);
        });
        RunProfile(CProfileDialog::MODE_FIXED_NETWORK, [](CProfileDialog& dialog) {
            EXPECT_TRUE(
                dynamic_cast<EditControl*>(FindControl(dialog, IDC_PROFILE_SSID))->IsReadOnly());
            EXPECT_FALSE(On(dialog, IDC_PROFILE_NETWORK_TYPE) || On(dialog, IDC_PROFILE_CHANNEL));
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_RATE), "Automatic");
        });
    });
}

}  // namespace
