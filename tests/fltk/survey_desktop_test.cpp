// The Site Survey page in the desktop window: a rescan shows the processing dialog as a real
// modal window whose bar moves, then the networks in the table with the model's widths. The
// clock is virtual: each turn of the desktop loop moves it on while the dialog is open.
// clang-format off
#include "frontend/fltk/x11_names.h"  // first: see there
// clang-format on
#include <FL/Fl_Progress.H>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "desktop_fixture.h"
#include "frontend/fltk/list_table.h"
#include "link/driver_library.h"
#include "pages/c_processing_dialog.h"
#include "platform/core/clock.h"
#include "platform/core/device_manager.h"
#include "platform/registry/registry_store.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"
#include "res/resource_ids.h"
#include "sim/sim_host.h"

namespace {

class SurveyDesktopTest : public HostedDesktopTest {
  protected:
    void SetUp() override {
        HostedDesktopTest::SetUp();
        if (IsSkipped()) return;
        SetPlatformClock(&clock_);
        RegistryStore::Instance().Reset();
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
    }
    void TearDown() override {
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        RegistryStore::Instance().Reset();
        SetPlatformClock(nullptr);
        HostedDesktopTest::TearDown();
    }

    template <typename T>
    T* WidgetOf(Window& dialog, int id) {
        WindowView* view = Host().ViewOf(dialog.TopLevel()->Handle());
        if (view == nullptr) return nullptr;
        const ControlMirror* mirror = view->MirrorOf(dialog.GetDlgItem(id)->Handle());
        return mirror != nullptr ? dynamic_cast<T*>(mirror->Widget()) : nullptr;
    }

    // At each turn of the processing dialog's loop: what its bar shows, then 100 ms on.
    void WatchProcessing(CProcessingDialog& dialog) {
        auto* bar = WidgetOf<Fl_Progress>(dialog, IDC_PROCESSING_PROGRESS);
        if (bar != nullptr) positions_.push_back(static_cast<int>(bar->value()));
        WindowView* view = Host().ViewOf(dialog.Handle());
        modalShown_ = modalShown_ || (view != nullptr && view->Desktop().shown());
        AdvanceVirtualClock(clock_, 100);
    }

    VirtualClock clock_{1000};
    std::vector<int> positions_;
    bool modalShown_ = false;
};

TEST_F(SurveyDesktopTest, RescanFillsTheTableAfterTheProcessingDialog) {
    Scenario world;
    AdapterSpec& desc = world.adapters.emplace_back();
    desc.name = u"SDW1";
    for (BYTE last : {1, 2}) {
        NetworkSpec& network = world.networks.emplace_back();
        network.ssid = "net" + std::to_string(last);
        network.bssid = {0x02, 0, 0, 0, 0, last};
        network.channel = 11;
    }
    SimHost sim(world);
    MainDialog* main = nullptr;
    bool rescanned = false;
    std::vector<int> modelWidths;
    Host().SetStopRequest([&] {
        const auto& modals = WindowManager::Instance().ModalStack();
        if (auto* processing =
                modals.empty() ? nullptr : dynamic_cast<CProcessingDialog*>(modals.back())) {
            WatchProcessing(*processing);
            return false;
        }
        main = dynamic_cast<MainDialog*>(WindowManager::Instance().MainWindow());
        if (main == nullptr || FindSheet(*main) == nullptr || rescanned) return rescanned;
        rescanned = true;
        SelectTab(*FindSheet(*main), 2);
        EXPECT_TRUE(ClickControl(main->SiteSurveyPage(), IDC_RESCAN));
        Host().Sync();
        modelWidths =
            FindControl(main->SiteSurveyPage(), IDC_NETWORK_LIST)->Describe().columnWidths;
        auto* table = WidgetOf<ListTable>(main->SiteSurveyPage(), IDC_NETWORK_LIST);
        EXPECT_NE(table, nullptr);
        if (table == nullptr) return true;
        EXPECT_EQ(table->rows(), 2);
        EXPECT_EQ(table->cols(), 7);
        EXPECT_EQ(table->HeaderText(6), "Support Rates");
        EXPECT_EQ(table->CellText(1, 0), "net2");
        EXPECT_EQ(table->CellText(1, 1), "02-00-00-00-00-02");
        EXPECT_EQ(table->CellText(1, 4), "11");
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(table->col_width(c),
                      Host().Geometry().Length(modelWidths[static_cast<std::size_t>(c)]))
                << c;
        }
        return true;
    });
    theApp.InitInstance();
    EXPECT_TRUE(rescanned);
    EXPECT_TRUE(modalShown_);
    ASSERT_GE(positions_.size(), 3u);
    EXPECT_EQ(positions_.front(), 0);
    EXPECT_GT(positions_.back(), 80);
    EXPECT_LE(positions_.back(), 96);
}

}  // namespace
