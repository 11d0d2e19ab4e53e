// The script runner as the modal loop: time, nested dialogs, user input, host answers, errors
// and the end of a script.
#include "frontend/headless/script_runner.h"

#include <sstream>

#include "headless_fixture.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/open_file_dialog.h"
#include "platform/ui/ui_input.h"

namespace {

class ScriptRunnerTest : public HeadlessTest {
  protected:
    // Runs `script` as the modal loops of the main test dialog; returns its result.
    INT_PTR Run(const std::string& script) {
        std::istringstream in(script);
        ScriptRunner runner(host, clock, in, "test.txt", err);
        runner.AddCommand("probe", [this](const std::vector<std::string>& args) {
            Window* front = WindowManager::Instance().FrontWindow();
            std::string name = front ? front->GetWindowText() : "none";
            Log("probe " + name + (args.empty() ? "" : " " + args[0]));
            return std::string(args.size() > 1 ? args[1] : "");
        });
        INT_PTR result = main.DoModal();
        failed = runner.Failed();
        return result;
    }

    // Notes what happened when, as "WHAT @MS".
    void Log(const std::string& what) {
        events.push_back(what + " @" + std::to_string(clock.Now()));
    }

    // Button 1003 of the main dialog opens the nested dialog; it ends itself after
    // `nestedLifeMs` (never when 0) and keeps its result in `nestedResult`.
    void OpenNestedOnClick(DWORD nestedLifeMs) {
        main.onClick[1003] = [this, nestedLifeMs](TestDialog&) { OpenNested(nestedLifeMs); };
    }
    void OpenNested(DWORD lifeMs) {
        TestDialog nested(kNestedTemplate);
        nested.onInit = [lifeMs](TestDialog& dialog) {
            if (lifeMs != 0) dialog.SetTimer(1, lifeMs);
        };
        nested.onTimer = [this](TestDialog& dialog, UINT_PTR) {
            Log("nested ends");
            dialog.EndDialog(IDOK);
        };
        Log("nested opens");
        nestedResult = nested.DoModal();
    }

    TestDialog main{kMainTemplate};
    std::vector<std::string> events;
    INT_PTR nestedResult = 0;
    bool failed = false;
};

TEST_F(ScriptRunnerTest, TimeLeftOverWhenADialogClosesGoesOnInTheLoopBelow) {
    OpenNestedOnClick(200);
    main.onInit = [](TestDialog& dialog) { dialog.SetTimer(7, 700); };
    main.onTimer = [this](TestDialog&, UINT_PTR) { Log("main timer"); };
    Run("wait 100\nclick 1003\nwait 1000\nprobe\n");
    EXPECT_EQ(events, (std::vector<std::string>{"nested opens @100", "nested ends @300",
                                                "main timer @700", "probe Main Test @1100"}));
    EXPECT_EQ(nestedResult, IDOK);
}

TEST_F(ScriptRunnerTest, ADialogOpenedDuringAWaitLetsTheWaitFinishFirst) {
    main.onInit = [](TestDialog& dialog) { dialog.SetTimer(1, 300); };
    main.onTimer = [this](TestDialog& dialog, UINT_PTR) {
        dialog.KillTimer(1);
        OpenNested(0);
    };
    Run("wait 1000\nprobe\nkey escape\nprobe\nwait 50\nprobe\n");
    EXPECT_EQ(events, (std::vector<std::string>{"nested opens @300", "probe Nested @1000",
                                                "probe Main Test @1000", "probe Main Test @1050"}));
    EXPECT_EQ(nestedResult, IDCANCEL);
}

TEST_F(ScriptRunnerTest, EndOfScriptCancelsDialogsThenClosesTheMainWindow) {
    OpenNestedOnClick(0);
    bool mainOk = false;
    main.onClick[IDOK] = [&mainOk](TestDialog& dialog) {
        mainOk = true;
        dialog.EndDialog(IDOK);
    };
    EXPECT_EQ(Run("click 1003\n"), IDOK);
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_TRUE(mainOk);
    EXPECT_FALSE(failed);
    EXPECT_EQ(err.str(), "");
}

TEST_F(ScriptRunnerTest, InputReachesTheWindowInFront) {
    OpenNestedOnClick(0);
    main.onClick[1004] = [this](TestDialog& dialog) {
        Log("loud " + std::to_string(dialog.IsDlgButtonChecked(1004)));
    };
    Run("type 1002 two words\nexpect 1002 two words\nclick 1004\nselect 1005 1\n"
        "expect 1005 beta\nclick 1003\ntype 2001 \" inner \"\nexpect 2001 \" inner \"\n"
        "key enter\nexpect 1002 two words\nexpect 1007 0\n");
    EXPECT_FALSE(failed) << err.str();
    EXPECT_EQ(events.at(0), "loud 1 @0");
    EXPECT_EQ(nestedResult, IDOK);
}

TEST_F(ScriptRunnerTest, HostAnswersFileDialogsFromTheQueueAndPrintsMessages) {
    std::vector<std::string> answers;
    main.onClick[1003] = [&answers](TestDialog&) {
        OpenFileDialog dialog("txt", "", 0, "Text files (*.txt)|*.txt||");
        answers.push_back(dialog.DoModal() == IDOK ? dialog.GetPathName() : "<cancel>");
        MessageBox(0, "loaded", "Test", MB_OK);
    };
    main.onClick[1004] = [](TestDialog&) {
        BeginWaitCursor();
        EndWaitCursor();
    };
    Run("file /data/image.txt\nfile -\nclick 1003\nclick 1003\nclick 1003\nclick 1004\n");
    EXPECT_EQ(answers, (std::vector<std::string>{"/data/image.txt", "<cancel>", "<cancel>"}));
    EXPECT_EQ(out.str(),
              "open-file \"Open\": \"/data/image.txt\"\nmessage: loaded\n"
              "open-file \"Open\": cancelled\nmessage: loaded\n"
              "open-file \"Open\": cancelled\nmessage: loaded\n");
    EXPECT_EQ(host.BusyChanges(), (std::vector<bool>{true, false}));
}

struct FailingLine {
    std::string script;
    const char* message;
};

class ScriptRunnerError : public ScriptRunnerTest,
                          public ::testing::WithParamInterface<FailingLine> {};

TEST_P(ScriptRunnerError, StopsTheScriptNamingTheLine) {
    OpenNestedOnClick(0);
    Run(GetParam().script + "\nprobe after\n");
    EXPECT_TRUE(failed);
    EXPECT_EQ(err.str(), std::string(GetParam().message) + "\n");
    for (const std::string& event : events) EXPECT_EQ(event.find(" after @"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ScriptRunnerError,
    ::testing::Values(
        FailingLine{"# first\nclick 9999", "test.txt:2: click: no control 9999 in \"Main Test\""},
        FailingLine{"click 1009", "test.txt:1: click: control 1009 in \"Main Test\" is disabled"},
        FailingLine{"type 1008 x", "test.txt:1: type: control 1008 in \"Main Test\" is hidden"},
        FailingLine{"click 1002",
                    "test.txt:1: click: control 1002 in \"Main Test\" is an edit, not a "
                    "button/check/radio"},
        FailingLine{"type 1010 x", "test.txt:1: type: control 1010 in \"Main Test\" is read-only"},
        FailingLine{
            "select 1005 2",
            "test.txt:1: select: control 1005 in \"Main Test\" has no entry 2 (it has 2 entries)"},
        FailingLine{
            "dblclick 1006 0",
            "test.txt:1: dblclick: control 1006 in \"Main Test\" has no row 0 (it has 0 rows)"},
        FailingLine{"tab 0", "test.txt:1: tab: the main window shows no pages"},
        FailingLine{"click 1003\nclose", "test.txt:2: close: dialog \"Nested\" is in front"},
        FailingLine{
            "expect 1002 Bob",
            "test.txt:1: expect: control 1002 in \"Main Test\" shows \"\", expected \"Bob\""},
        FailingLine{"probe x failed", "test.txt:1: probe: failed"},
        // A file without line breaks (such as /dev/zero) is not read into memory whole.
        FailingLine{"# ok\n" + std::string(5000, '#'), "test.txt:2: line longer than 4096 bytes"}));

TEST_F(ScriptRunnerTest, AnErrorStillWindsTheApplicationDown) {
    OpenNestedOnClick(0);
    EXPECT_EQ(Run("click 1003\nexpect 2001 x\n"), IDOK);
    EXPECT_TRUE(failed);
    EXPECT_EQ(nestedResult, IDCANCEL);
}

}  // namespace
