// The pages that change settings, in the whole application: the Radio page, the About page
// and the profile dialog with its opener.
#include "platform/ui/combo_box.h"
#include "platform/ui/edit_control.h"
#include "status_fixture.h"

namespace {

constexpr int RADIO_TAB = 3;
constexpr int ABOUT_TAB = 4;

class SettingsPagesTest : public StatusTest {
  protected:
    // Activates page `tab` anew.
    void Show(int tab) {
        ASSERT_TRUE(SelectTab(main->Sheet(), tab == 0 ? 1 : 0));
        ASSERT_TRUE(SelectTab(main->Sheet(), tab));
    }
    static int Selection(Window& window, int id) {
        return dynamic_cast<ComboBox*>(FindControl(window, id))->GetCurSel();
    }
    static bool On(Window& window, int id) { return FindControl(window, id)->IsWindowEnabled(); }
    static bool Shown(Window& window, int id) { return FindControl(window, id)->IsVisibleFlag(); }
    // Runs the profile dialog in `mode` from inside the main dialog; `inside` acts in it.
    void RunProfile(int mode, const std::function<void(CProfileDialog&)>& inside) {
        onOtherModal = [&inside](Dialog& dialog) {
            inside(dynamic_cast<CProfileDialog&>(dialog));
            CloseWindow(dialog);
        };
        main->ProfileDialog()->SetMode(mode);
        main->ProfileDialog()->DoModal();
    }
    void Refuse(DWORD oid, RequestMatch request) {
        card->AddFault(Refusal(oid, request, 0xC0010017));
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

TEST_F(SettingsPagesTest, RadioSwitchActsAtOnceAndTheListsAtTheNextDriverLoad) {
    Run([this] {
        std::vector<std::optional<std::string>> storedAtRequest;
        card->SetRequestWatcher([&storedAtRequest](const RecordedRequest& request) {
            if (request.type == 1 && request.oid == OID_PRIV_RADIO_STATE) {
                storedAtRequest.push_back(Stored("RadioOn"));
            }
        });
        CRadio& radio = main->RadioPage();
        Show(RADIO_TAB);
        ASSERT_TRUE(ClickControl(radio, IDC_RADIO_OFF));
        ASSERT_TRUE(SelectItem(radio, IDC_POWER_SAVING, 2));
        ASSERT_TRUE(dynamic_cast<ComboBox*>(FindControl(radio, IDC_RADIO_CHANNEL))->Select(5));
        Show(0);
        At(5000);
        EXPECT_EQ(Text(IDC_STATUS), "Disconnected");
        Show(RADIO_TAB);
        ASSERT_TRUE(ClickControl(radio, IDC_RADIO_ON));
        Show(0);
        At(10000);
        EXPECT_EQ(Text(IDC_STATUS), std::string("Connected: ") + HOME_BSSID);
        card->SetRequestWatcher(nullptr);
        // "Off" is stored before its request, "On" after it.
        EXPECT_EQ(storedAtRequest, (std::vector<std::optional<std::string>>{"0", "0"}));
        EXPECT_EQ(std::tuple(Stored("RadioOn"), Stored("PowerMode"), Stored("Channel")),
                  std::tuple("1", "2", "6"));
        EXPECT_EQ(card->WithCard([](CardModel& m) { return m.settings; }).powerMode, 0u);
    });
    Run([this] {
        EXPECT_EQ(card->WithCard([](CardModel& m) { return m.settings; }).powerMode, 1u);
    });  // fast saving: driver value 1
}

TEST_F(SettingsPagesTest, AboutPageDriverVersion) {
    struct Case {
        const char* stored;  // null: absent
        std::optional<DWORD> driverAnswer;
        bool adapter;
        const char* shown;
    };
    const Case cases[] = {
        {"1.0.3.12", 0x00090009, true, "1.00.03.0012"},
        {"3.1", 0x00090009, true, "3.1"},
        {nullptr, 0x00020001, true, "2.1"},
        {nullptr, std::nullopt, true, ""},
        {"1.0.3.12", 0x00090009, false, "N/A"},
    };
    for (const Case& c : cases) {
        RegistryStore::Instance().Reset();
        scenario = MakeScenario();
        scenario.driverVersion = c.stored ? c.stored : "";
        // Installed under another key, the version is absent where the utility reads it.
        if (!c.stored) Desc().parametersKey = "Comm\\OTHER\\Parms";
        scenario.vendorDriverVersion = c.driverAnswer.value_or(0);
        ui.boxes.clear();
        Run([&] {
            if (!c.driverAnswer) Refuse(OID_GEN_VENDOR_DRIVER_VERSION, RequestMatch::Query);
            if (!c.adapter) main->AboutPage().SetAdapter(nullptr);
            card->ClearRequests();
            for (int i = 0; i < 2; ++i) Show(ABOUT_TAB);
            EXPECT_EQ(main->AboutPage().GetDlgItemText(IDC_DRIVER_VERSION), c.shown);
            EXPECT_EQ(main->AboutPage().GetDlgItemText(IDC_UTILITY_VERSION), "1.05.00.2005\n");
            EXPECT_EQ(Queries(OID_GEN_VENDOR_DRIVER_VERSION), c.adapter && !c.stored ? 1 : 0);
        });
        // Told once, however often the page is shown.
        ASSERT_EQ(ui.boxes.size(), c.driverAnswer ? 0u : 1u) << c.shown;
        if (!c.driverAnswer) {
            EXPECT_EQ(ui.boxes[0].text, "Failed to read driver version");
        }
    }
}

TEST_F(SettingsPagesTest, ConfigOpensTheProfileDialogOnlyInTheEngineeringMode) {
    Run([this] { EXPECT_FALSE(Shown(*page, IDC_CONFIG)); });
    engineering = true;
    Desc().settings.txRates = {0x16};
    NetworkSpec& office = scenario.networks.emplace_back();
    office.ssid = "office";
    office.bssid = OFFICE_AP;
    int runs = 0;
    onOtherModal = [this, &runs](Dialog& dialog) {
        ++runs;
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_SSID), "home");
        EXPECT_EQ(Selection(dialog, IDC_PROFILE_NETWORK_TYPE), 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_CHANNEL), "6");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_RATE), "11 Mbps");
        EXPECT_FALSE(On(dialog, IDC_PROFILE_NAME) || On(dialog, IDC_PROFILE_CHANNEL));
        // What the user typed is applied; a refused SSID is reported and the dialog stays.
        ASSERT_TRUE(TypeText(dialog, IDC_PROFILE_SSID, "office"));
        Refuse(OID_PRIV_SSID, RequestMatch::Set);
        ASSERT_TRUE(ClickControl(dialog, IDC_APPLY));
        card->ClearFaults();
        ASSERT_TRUE(ClickControl(dialog, IDC_APPLY));
        EXPECT_FALSE(dialog.IsEnding());
        CloseWindow(dialog);
    };
    Run([this] {
        ASSERT_TRUE(ClickControl(*page, IDC_CONFIG));
        EXPECT_EQ(std::tuple(Stored("Ssid"), Stored("AuthType"), Stored("Rate")),
                  std::tuple("office", "2", "15"));
        At(5000);
        EXPECT_EQ(Text(IDC_STATUS), std::string("Connected: ") + OFFICE_BSSID);
    });
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Failed to set SSID");
}

TEST_F(SettingsPagesTest, ProfileModesAndNetworkTypes) {
    Desc().apModeSupported = false;
    Run([this] {
        CProfileDialog& profile = *main->ProfileDialog();
        RunProfile(0, [](CProfileDialog& dialog) {
            // A driver without access-point support refuses the query.
            EXPECT_EQ(
                dynamic_cast<ComboBox*>(FindControl(dialog, IDC_PROFILE_NETWORK_TYPE))->Items(),
                (std::vector<std::string>{"Infrastructure", "Ad hoc"}));
        });
        profile.SetSsid("");
        RunProfile(4, [](CProfileDialog& dialog) {
            EXPECT_EQ(std::tuple(dialog.GetWindowText(), dialog.GetDlgItemText(IDC_APPLY),
                                 dialog.GetDlgItemText(IDC_PROFILE_NAME)),
                      std::tuple("Profile editing", "Save", "Profile1"));
            ASSERT_TRUE(SelectItem(dialog, IDC_PROFILE_RATE, 3));
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_RATE), "5.5 Mbps");
        });
        RunProfile(5, [](CProfileDialog& dialog) {
            EXPECT_TRUE(
                dynamic_cast<EditControl*>(FindControl(dialog, IDC_PROFILE_SSID))->IsReadOnly());
            EXPECT_FALSE(On(dialog, IDC_PROFILE_NETWORK_TYPE) || On(dialog, IDC_PROFILE_CHANNEL));
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PROFILE_RATE), "Automatic");
        });
        profile.SetNetworkType(CProfileDialog::TYPE_ACCESS_POINT);
        RunProfile(4, [](CProfileDialog& dialog) {
            // An access point without a name cannot be applied.
            EXPECT_FALSE(On(dialog, IDC_APPLY));
            EXPECT_TRUE(Shown(dialog, IDC_HIDDEN_SSID));
            for (int type : {0, 1}) {
                ASSERT_TRUE(SelectItem(dialog, IDC_PROFILE_NETWORK_TYPE, type));
                EXPECT_EQ(std::tuple(On(dialog, IDC_APPLY), On(dialog, IDC_PROFILE_CHANNEL),
                                     Shown(dialog, IDC_HIDDEN_SSID), dialog.SelectedType()),
                          std::tuple(true, type == 1, false, type));
            }
        });
    });
}

}  // namespace
