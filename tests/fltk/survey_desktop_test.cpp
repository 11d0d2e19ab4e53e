// The Site Survey page in the desktop window: a rescan shows the processing dialog as a real
// modal window whose bar moves, then the networks in the table with the model's widths. The
// clock is virtual: each turn of the dialog's loop moves it on by 100 ms.
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
    void TearDown() override {
        DeviceManager::Instance().Reset();
        DriverLibrary() = DriverLibraryState{};
        RegistryStore::Instance().Reset();
        SetPlatformClock(nullptr);
        HostedDesktopTest::TearDown();
    }

    Fl_Widget* WidgetOf(Window& dialog, int id) {
        WindowView* view = Host().ViewOf(dialog.TopLevel()->Handle());
        const ControlMirror* mirror =
            view != nullptr ? view->MirrorOf(dialog.GetDlgItem(id)->Handle()) : nullptr;
        return mirror != nullptr ? mirror->Widget() : nullptr;
    }

    VirtualClock clock_{1000};
};

TEST_F(SurveyDesktopTest, RescanFillsTheTableAfterTheProcessingDialog) {
    SetPlatformClock(&clock_);
    Scenario world;
    world.adapters.emplace_back().name = u"SDW1";
    for (BYTE last : {1, 2}) {
        NetworkSpec& network = world.networks.emplace_back();
        network.ssid = "net" + std::to_string(last);
        network.bssid = {0x02, 0, 0, 0, 0, last};
        network.channel = 11;
    }
    SimHost sim(world);
    std::vector<int> positions;
    bool rescanned = false;
    Host().SetStopRequest([&] {
        const auto& modals = WindowManager::Instance().ModalStack();
        if (auto* dialog =
                modals.empty() ? nullptr : dynamic_cast<CProcessingDialog*>(modals.back())) {
            auto* bar = dynamic_cast<Fl_Progress*>(WidgetOf(*dialog, IDC_PROCESSING_PROGRESS));
            if (bar != nullptr && bar->visible_r()) positions.push_back(int(bar->value()));
            AdvanceVirtualClock(clock_, 100);
            return false;
        }
        auto* main = dynamic_cast<MainDialog*>(WindowManager::Instance().MainWindow());
        if (main == nullptr || FindSheet(*main) == nullptr || rescanned) return rescanned;
        rescanned = true;
        CScanResult& page = main->SiteSurveyPage();
        SelectTab(*FindSheet(*main), 2);
        EXPECT_TRUE(ClickControl(page, IDC_RESCAN));
        Host().Sync();
        const std::vector<int> widths =
            FindControl(page, IDC_NETWORK_LIST)->Describe().columnWidths;
        auto* table = dynamic_cast<ListTable*>(WidgetOf(page, IDC_NETWORK_LIST));
        if (table == nullptr) return true;
        EXPECT_EQ(table->rows(), 2);
        EXPECT_EQ(table->HeaderText(6), "Support Rates");
        EXPECT_EQ(table->CellText(1, 0), "net2");
        EXPECT_EQ(table->CellText(1, 4), "11");
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(table->col_width(c), Host().Geometry().Length(widths[std::size_t(c)])) << c;
        return true;
    });
    theApp.InitInstance();
    EXPECT_TRUE(rescanned);
    // Shown from the first tick on, moving, and never full.
    ASSERT_GE(positions.size(), 3u);
    EXPECT_EQ(positions.front(), 0);
    EXPECT_GT(positions.back(), 80);
    EXPECT_LE(positions.back(), 96);
}

}  // namespace
