// The script runner as the modal loop: a dialog that a timer opens during a wait, and the keys
// that end a script's dialogs (the utility's dialogs end the same way on either). The rest of
// the runner (input, errors, file answers, time past a dialog, the end of a script) is in the
// headless scripts ap_run_* and ap_err_*.
#include "frontend/headless/script_runner.h"

#include <sstream>

#include "headless_fixture.h"

namespace {

class ScriptRunnerTest : public HeadlessTest {
  protected:
    // Runs `script` as the modal loops of the main test dialog; "probe" notes the window in
    // front and the time.
    void Run(const std::string& script) {
        std::istringstream in(script);
        ScriptRunner runner(host, clock, in, "test.txt", err);
        runner.AddCommand("probe", [this](const std::vector<std::string>&) {
            Window* front = WindowManager::Instance().FrontWindow();
            Log("probe " + (front ? front->GetWindowText() : std::string("none")));
            return std::string();
        });
        main.DoModal();
    }
    void Log(const std::string& what) {
        events.push_back(what + " @" + std::to_string(clock.Now()));
    }

    TestDialog main{kMainTemplate};
    std::vector<std::string> events;
};

TEST_F(ScriptRunnerTest, ADialogOpenedDuringAWaitLetsTheWaitFinishFirst) {
    INT_PTR nestedResult = 0;
    main.onInit = [](TestDialog& dialog) { dialog.SetTimer(1, 300); };
    main.onTimer = [this, &nestedResult](TestDialog& dialog, UINT_PTR) {
        dialog.KillTimer(1);
        TestDialog nested(kNestedTemplate);
        Log("nested opens");
        nestedResult = nested.DoModal();
    };
    Run("wait 1000\nprobe\nkey escape\nprobe\nwait 50\nprobe\n");
    EXPECT_EQ(events, (std::vector<std::string>{"nested opens @300", "probe Nested @1000",
                                                "probe Main Test @1000", "probe Main Test @1050"}));
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(err.str(), "");
}

TEST_F(ScriptRunnerTest, EndOfScriptCancelsDialogsThenClosesTheMainWindowWithOk) {
    INT_PTR nestedResult = 0;
    main.onClick[1003] = [&nestedResult](TestDialog&) {
        nestedResult = TestDialog(kNestedTemplate).DoModal();
    };
    main.onClick[IDOK] = [this](TestDialog& dialog) {
        Log("main OK");
        dialog.EndDialog(IDOK);
    };
    Run("click 1003\n");
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_EQ(events, std::vector<std::string>{"main OK @0"});
}

}  // namespace
