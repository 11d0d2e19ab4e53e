// The text mode: its view prints the window in front once, then the fields that change, each
// with its label; a stop request (SIGINT, SIGTERM) closes the dialogs as a user would, so that
// the application's shutdown runs.
#include <csignal>

#include "frontend/headless/real_clock_loop.h"
#include "frontend/headless/stop_signal.h"
#include "frontend/headless/text_fields.h"
#include "frontend/headless/text_view.h"
#include "headless_fixture.h"
#include "platform/ui/progress_bar.h"

namespace {

class TextModeTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        host.SetModalLoop([this](Dialog& dialog) { loop.RunModalLoop(dialog); });
    }

    StopSignal stop;
    std::ostringstream viewOut;
    TextView view{viewOut};
    RealClockLoop loop{view, stop};
};

TEST_F(TextModeTest, ViewPrintsTheWindowOnceThenChangedFieldsWithTheirLabels) {
    TestDialog main(kMainTemplate);
    ASSERT_TRUE(main.Create(nullptr));
    WindowManager::Instance().SetMainWindow(&main);
    view.Refresh();
    clock.Advance(5300);
    view.Refresh();  // nothing changed: nothing printed
    main.SetDlgItemText(1002, "Bo");
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetRange(0, 200);
    dynamic_cast<ProgressBar*>(main.GetDlgItem(1007))->SetPos(18);
    view.Refresh();
    EXPECT_EQ(viewOut.str(),
              "[0.0 s] Main Test\n"
              "  Name: \n"
              "  [ ] Loud\n"
              "  \n"
              "  0 rows\n"
              "  Level: 0 %\n"
              "  fixed\n"
              "[5.3 s] Name: Bo\n"
              "[5.3 s] Level: 9 %\n");
    EXPECT_EQ(CleanLabel("Save && go:"), "Save & go");
    main.DestroyWindow();
}

TEST_F(TextModeTest, SigintClosesTheMainWindowThroughItsOkButton) {
    TestDialog main(kMainTemplate);
    bool okPressed = false;
    main.onClick[IDOK] = [&okPressed](TestDialog& dialog) {
        okPressed = true;
        dialog.EndDialog(IDOK);
    };
    main.onInit = [](TestDialog&) { std::raise(SIGINT); };
    EXPECT_EQ(main.DoModal(), IDOK);
    EXPECT_TRUE(okPressed);
    EXPECT_TRUE(stop.Requested());
    EXPECT_EQ(viewOut.str().rfind("[0.0 s] Main Test\n  Name: \n", 0), 0u) << viewOut.str();
}

TEST_F(TextModeTest, AStopInsideADialogEscapesItThenClosesTheMainWindow) {
    TestDialog main(kMainTemplate);
    INT_PTR nestedResult = 0;
    main.onInit = [&nestedResult](TestDialog&) {
        TestDialog nested(kNestedTemplate);
        nested.onInit = [](TestDialog&) { std::raise(SIGTERM); };
        nestedResult = nested.DoModal();
    };
    EXPECT_EQ(main.DoModal(), IDOK);
    EXPECT_EQ(nestedResult, IDCANCEL);
}

TEST_F(TextModeTest, SleepsUntilTheNextEventButAtMostASecond) {
    EXPECT_EQ(loop.SleepTime(), RealClockLoop::kMaxSleepMs);  // nothing due at all
    TestDialog main(kMainTemplate);
    ASSERT_TRUE(main.Create(nullptr));
    main.SetTimer(1, 250);
    clock.Advance(100);
    EXPECT_EQ(loop.SleepTime(), 150);
    ClockScheduler::Instance().Schedule(clock.Now() + 40, [] {});
    EXPECT_EQ(loop.SleepTime(), 40);
    clock.Advance(300);
    EXPECT_EQ(loop.SleepTime(), 0);  // overdue: no sleep
    main.DestroyWindow();
}

}  // namespace
