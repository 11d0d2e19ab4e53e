// The program's wiring: the simulated driver is installed in the OS stand-in's device manager,
// the registry gets its file, and the utility runs on top with the front end the mode asks for.
#include "main/program.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <memory>
#include <new>

#include "app/utility_app.h"
#include "frontend/headless/headless_host.h"
#include "frontend/headless/real_clock_loop.h"
#include "frontend/headless/stop_signal.h"
#include "frontend/headless/text_view.h"
#include "main/backend.h"
#include "main/card_report.h"
#include "main/desktop_mode.h"
#include "main/headless_run.h"
#include "main/options.h"
#include "main/request_trace.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "platform/registry/registry_store.h"
#include "platform/ui/resources.h"
#include "res/resource_ids.h"
#include "res/utility_resources.h"
#include "sim/scenario.h"
#include "sim/scenario_error.h"
#include "sim/sim_command.h"

namespace {

bool OpenRegistry(const Options& options, std::ostream& err) {
    std::string path = options.registryFile.value_or(DefaultRegistryPath());
    std::string error;
    if (!RegistryStore::Instance().SetBackingFile(path, &error)) {
        err << "sdwlan: " << error << "; mend or move the file, or name another with --registry\n";
        return false;
    }
    return true;
}

std::unique_ptr<Scenario> LoadScenario(const Options& options, std::ostream& err) {
    try {
        return std::make_unique<Scenario>(
            options.scenarioFile ? Scenario::LoadFile(*options.scenarioFile) : Scenario::Default());
    } catch (const ScenarioError& error) {
        err << "sdwlan: " << error.what()
            << "; mend the file (format: docs/scenario.md) or leave out --scenario\n";
        return nullptr;
    }
}

// The card report on the virtual clock, so that its scan and traffic sample take no time.
int RunReport(const Options& options, const Scenario& scenario, std::ostream& out,
              std::ostream& err) {
    SetMessageBoxHandler([&out](const std::string& text, const std::string&, UINT) {
        out << "message: " << text << "\n";
        return IDOK;
    });
    VirtualClock clock;
    SetPlatformClock(&clock);
    int result;
    {
        Backend backend(options, scenario, err);
        result = RunCardReport(out);
    }
    SetPlatformClock(nullptr);
    SetMessageBoxHandler(nullptr);
    return result;
}

int RunScripted(const Options& options, const Scenario& scenario, std::istream& in,
                std::ostream& out, std::ostream& err) {
    VirtualClock clock;
    SetPlatformClock(&clock);
    int result;
    {
        Backend backend(options, scenario, err);
        result = RunHeadless(options, backend.Sim(), clock, in, out, err);
    }
    SetPlatformClock(nullptr);
    return result;
}

// An exception's text as one line of the error output.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

// The version the utility's own resources carry (shown on its About page).
std::string UtilityVersion() {
    RegisterUtilityResources();
    std::string version = Resources::Instance().FindString(IDS_UTILITY_VERSION).value_or("");
    while (!version.empty() && std::isspace(static_cast<unsigned char>(version.back())))
        version.pop_back();
    return version;
}

void RunApplication() { theApp.InitInstance(); }

// The utility in a desktop window, on the real clock, driven by the user or a script.
int RunWindow(const Options& options, const Scenario& scenario, std::istream& in, std::ostream& out,
              std::ostream& err) {
    Backend backend(options, scenario, err);
    SimHost* sim = backend.Sim();
    const DesktopScriptIo io{in, out, [sim](const std::vector<std::string>& args) {
                                 return sim ? SimCommand::Run(*sim, args) : kNoSimulator;
                             }};
    return RunDesktop(options, RunApplication, io, err);
}

// The text mode (--text, and the default without a display): on the real clock, printing the
// window in front (the Status page) as its fields change, until SIGINT or SIGTERM close the
// main window.
int RunTextLoop(std::ostream& out) {
    HeadlessHost host(out);
    StopSignal stop;
    TextView view(out);
    RealClockLoop loop(view, stop);
    host.SetModalLoop([&loop](Dialog& dialog) { loop.RunModalLoop(dialog); });
    SetUiHost(&host);
    theApp.InitInstance();
    SetUiHost(nullptr);
    view.Ended();
    return 0;
}

int RunText(const Options& options, const Scenario& scenario, std::ostream& out,
            std::ostream& err) {
    // Without a display (or without the desktop window) the default is the text mode.
    if (!options.text) {
        err << "sdwlan: " << DesktopUnavailableReason()
            << "; running the text mode, Ctrl+C ends it\n";
    }
    Backend backend(options, scenario, err);
    return RunTextLoop(out);
}

// Starts the trace on the --trace destination; false (with a message) when the file cannot be
// written.
bool OpenTrace(const Options& options, std::ofstream& file, std::ostream& err) {
    RequestTrace::Instance().Install();
    if (!options.traceFile) return true;
    if (*options.traceFile == "-") {
        RequestTrace::Instance().SetOutput(&err);
        return true;
    }
    file.open(*options.traceFile, std::ios::trunc);
    if (!file) {
        err << "sdwlan: cannot write trace file " << *options.traceFile << ": "
            << std::strerror(errno) << "\n";
        return false;
    }
    RequestTrace::Instance().SetOutput(&file);
    return true;
}

int RunChosenMode(const Options& options, const Scenario& scenario, std::istream& in,
                  std::ostream& out, std::ostream& err) {
    switch (options.Mode()) {
        case RunMode::Report:
            return RunReport(options, scenario, out, err);
        case RunMode::Headless:
            return RunScripted(options, scenario, in, out, err);
        case RunMode::Text:
            break;
    }
    // A screenshot needs the window: without a display that is an error, not the text mode.
    if (!options.text && (options.screenshotFile || options.scriptFile || DesktopAvailable()))
        return RunWindow(options, scenario, in, out, err);
    return RunText(options, scenario, out, err);
}

}  // namespace

int RunProgram(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    std::string error;
    auto options = ParseOptions(args, error);
    if (!options) {
        err << "sdwlan: " << error << " (see sdwlan --help)\n";
        return 2;
    }
    if (options->help) {
        out << UsageText();
        return 0;
    }
    if (options->version) {
        out << "sdwlan " << UtilityVersion() << "\n";
        return 0;
    }
    theApp.SetEngineeringMode(options->engineering);
    if (!BackendAvailable(*options, err)) return kExitNoWifi;
    if (!OpenRegistry(*options, err)) return 1;
    auto scenario = LoadScenario(*options, err);
    if (!scenario) return 1;
    std::ofstream traceFile;
    if (!OpenTrace(*options, traceFile, err)) return 1;
    int status = RunChosenMode(*options, *scenario, in, out, err);
    RequestTrace::Instance().Reset();
    return status;
}

int RunProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunProgram(args, std::cin, out, err);
}

int RunGuarded(const std::function<int()>& body, std::ostream& err) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        err << "sdwlan: out of memory\n";
        return kExitOutOfMemory;
    } catch (const std::exception& error) {
        err << "sdwlan: internal error: " << OneLine(error.what()) << "\n";
    } catch (...) {
        err << "sdwlan: internal error: an unknown exception\n";
    }
    return kExitInternalError;
}
