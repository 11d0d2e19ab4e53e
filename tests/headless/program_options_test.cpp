// The program's options: modes, their combinations, and how a headless run starts and ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "main/desktop_mode.h"
#include "main/linux/linux_entry.h"
#include "main/options.h"
#include "main/program.h"

namespace {

namespace fs = std::filesystem;

TEST(ProgramOptions, TheTextModeIsTheDefault) {
    std::string error;
    EXPECT_EQ(ParseOptions({}, error)->Mode(), RunMode::Text);
    EXPECT_EQ(ParseOptions({"--text"}, error)->Mode(), RunMode::Text);
    EXPECT_EQ(ParseOptions({"--report"}, error)->Mode(), RunMode::Report);
    EXPECT_EQ(ParseOptions({"--backend", "simulator"}, error)->backend, BackendKind::Simulator);
}

struct RefusedOptions {
    std::vector<std::string> args;
    const char* error;
};

class ProgramOptionsRefused : public ::testing::TestWithParam<RefusedOptions> {};

TEST_P(ProgramOptionsRefused, WithAMessage) {
    std::string error;
    EXPECT_FALSE(ParseOptions(GetParam().args, error).has_value());
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, ProgramOptionsRefused,
    ::testing::Values(RefusedOptions{{"--text", "--script", "a.txt"},
                                     "--script drives the window or --headless, not --report "
                                     "or --text"},
                      RefusedOptions{
                          {"--headless", "--screenshot", "a.png"},
                          "--screenshot and --after need the desktop window, not --report, "
                          "--headless or --text"},
                      RefusedOptions{{"--after", "100"}, "--after needs --screenshot"}));

TEST(ProgramOptions, AScreenshotNeedsTheDesktopWindowInTheBuild) {
    std::string error;
    auto options = ParseOptions({"--screenshot", "a.png", "--after", "1500"}, error);
#ifdef SDWLAN_HAVE_FLTK
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->screenshotFile, "a.png");
    EXPECT_EQ(options->screenshotAfterMs, 1500u);
#else
    EXPECT_FALSE(options.has_value());
    EXPECT_EQ(error, "--screenshot needs the desktop window, which this build does not have");
#endif
}

class HeadlessProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(SDWLAN_BINARY_DIR) / "headless-program" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    int Run(std::vector<std::string> args, const std::string& script = "") {
        args.insert(args.end(), {"--registry", (dir / "registry.reg").string()});
        std::istringstream in(script);
        return RunProgram(args, in, out, err);
    }
    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(HeadlessProgram, WithoutAScriptTheUtilityStartsAndCloses) {
    EXPECT_EQ(Run({"--headless"}), 0);
    EXPECT_EQ(err.str(), "");
}

#ifdef SDWLAN_HAVE_FLTK
// This test program has no desktop module beside it, as a program installed without its
// module would not.
TEST_F(HeadlessProgram, AMissingDesktopModuleIsNamedWithTheOtherModes) {
    EXPECT_EQ(Run({"--screenshot", (dir / "window.png").string()}), 1);
    EXPECT_EQ(err.str(),
              "sdwlan: the desktop window cannot be loaded: the program's sdwlan-desktop.so is "
              "not installed; use --text, --headless or --report\n");
    EXPECT_FALSE(fs::exists(dir / "window.png"));
}

// Without a window the default mode is the text mode, whose first line says why.
TEST(ProgramOptions, TheTextModeSaysWhyThereIsNoWindow) {
    const char* before = std::getenv("DISPLAY");
    const std::string display = before != nullptr ? before : "";
    unsetenv("DISPLAY");
    EXPECT_EQ(DesktopUnavailableReason(), "no display");
    setenv("DISPLAY", ":77", 1);
    EXPECT_EQ(DesktopUnavailableReason(),
              "no desktop window (the program's sdwlan-desktop.so is not installed)");
    if (before != nullptr) {
        setenv("DISPLAY", display.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}
#endif

// On a machine with wireless interfaces the Linux driver would find them; the hwsim test
// covers that case.
TEST_F(HeadlessProgram, LinuxBackendWithoutWifiSaysSoInOneLine) {
    std::error_code ignored;
    if (!fs::is_empty("/sys/class/ieee80211", ignored) && !ignored) GTEST_SKIP();
    UseLinuxBackendEntry(&sdwlan_linux_entry);
    EXPECT_EQ(Run({"--backend", "linux", "--report"}), 5);
    UseLinuxBackendEntry(nullptr);
    EXPECT_EQ(
        err.str(),
        "sdwlan: no Wi-Fi here: the kernel reports no wireless interface (--backend linux)\n");
    EXPECT_EQ(out.str(), "");
}

// This test program has no module beside it: the Linux driver's is named as missing.
TEST_F(HeadlessProgram, LinuxBackendWithoutItsModuleSaysSo) {
    EXPECT_EQ(Run({"--backend", "linux", "--report"}), 5);
    EXPECT_EQ(err.str(),
              "sdwlan: --backend linux cannot be loaded: the program's sdwlan-linux.so is not "
              "installed\n");
    EXPECT_EQ(out.str(), "");
}

// Each refusal is one line naming the file or option, with what to do; a hostile file is
// refused the same way, before the registry is written.
TEST_F(HeadlessProgram, RefusalsAreOneLineNamingTheFileOrOption) {
    const std::string good = (dir / "registry.reg").string();
    const std::string world = (dir / "world.json").string();
    const std::string huge = (dir / "huge.json").string();
    const std::string none = (dir / "none.json").string();
    const std::string script = (dir / "missing.txt").string();
    const std::string registry = (dir / "bad.reg").string();
    std::ofstream(world) << "{\"seed\": ";
    std::ofstream(huge) << R"({"seed": 1e400})";
    std::ofstream(registry) << "garbage\n";
    struct Refusal {
        std::vector<std::string> args;
        int status;
        std::string starts;
        std::string ends;
    };
    for (const Refusal& refusal : std::vector<Refusal>{
             {{"--bogus"}, 2, "sdwlan: unknown option '--bogus'", "(see sdwlan --help)"},
             {{"--headless", "--script", script, "--registry", (dir / "script.reg").string()},
              1,
              "sdwlan: cannot open script " + script + ": No such file or directory",
              " (check --script)"},
             {{"--report", "--scenario", world},
              1,
              "sdwlan: scenario file '" + world,
              "or leave out --scenario"},
             {{"--report", "--scenario", none},
              1,
              "sdwlan: scenario file '" + none,
              "or leave out --scenario"},
             {{"--headless", "--scenario", huge},
              1,
              "sdwlan: scenario file '" + huge + "': $: not valid",
              ""},
             {{"--report", "--registry", registry},
              1,
              "sdwlan: " + registry,
              "or name another with --registry"}}) {
        std::vector<std::string> args = refusal.args;
        if (std::find(args.begin(), args.end(), "--registry") == args.end())
            args.insert(args.end(), {"--registry", good});
        std::istringstream in;
        std::ostringstream refusalOut;
        std::ostringstream refusalErr;
        EXPECT_EQ(RunProgram(args, in, refusalOut, refusalErr), refusal.status);
        const std::string text = refusalErr.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        EXPECT_TRUE(text.starts_with(refusal.starts)) << text;
        EXPECT_TRUE(text.ends_with(refusal.ends + "\n")) << text;
        EXPECT_EQ(refusalOut.str(), "") << text;
    }
    EXPECT_FALSE(fs::exists(dir / "registry.reg"));
}

TEST_F(HeadlessProgram, AScriptFileIsNamedInItsErrors) {
    std::string path = (dir / "run.txt").string();
    std::ofstream(path) << "wait 10\n\nexpect 1004 Connected\n";
    EXPECT_EQ(Run({"--headless", "--script", path}), 1);
    EXPECT_EQ(err.str().rfind(path + ":3: expect: control 1004 in \"SD WLAN Utility\" shows ", 0),
              0u)
        << err.str();
}

TEST(GuardedRun, AnEscapingExceptionIsOneLineAndADocumentedStatus) {
    const std::tuple<std::function<int()>, int, std::string> cases[] = {
        {[] { return 7; }, 7, ""},
        {[]() -> int { throw std::runtime_error("bad\nthing"); }, kExitInternalError,
         "sdwlan: internal error: bad thing\n"},
        {[]() -> int { throw 42; }, kExitInternalError,
         "sdwlan: internal error: an unknown exception\n"},
        {[]() -> int { throw std::bad_alloc(); }, kExitOutOfMemory, "sdwlan: out of memory\n"},
    };
    for (const auto& [body, status, message] : cases) {
        std::ostringstream err;
        EXPECT_EQ(RunGuarded(body, err), status);
        EXPECT_EQ(err.str(), message);
    }
    EXPECT_EQ(kExitInternalError, 3);
    EXPECT_EQ(kExitOutOfMemory, 4);
}

}  // namespace
