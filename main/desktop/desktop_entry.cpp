#include "main/desktop/desktop_entry.h"

#include <cstdlib>
#include <memory>

#include "frontend/fltk/fltk_host.h"
#include "frontend/headless/stop_signal.h"
#include "main/desktop/desktop_script.h"
#include "main/script_source.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "platform/ui/ui_host.h"

namespace {

int ScreenshotResult(const FltkHost& host, const Options& options, std::ostream& err) {
    switch (host.Screenshot()) {
        case FltkHost::ScreenshotState::None:
        case FltkHost::ScreenshotState::Written:
            return 0;
        case FltkHost::ScreenshotState::Pending:
            err << "sdwlan: the window closed before the screenshot of "
                << options.screenshotFile.value_or("") << " was taken\n";
            return 1;
        case FltkHost::ScreenshotState::Failed:
            err << "sdwlan: screenshot: " << host.ScreenshotError() << "\n";
            return 1;
    }
    return 1;
}

// Says which option wanted the window and how to give it a display.
std::string NoDisplayMessage(const Options& options) {
    const char* display = std::getenv("DISPLAY");
    const std::string option = options.screenshotFile ? "--screenshot"
                               : options.scriptFile   ? "--script"
                                                      : "the desktop window";
    const std::string where = display != nullptr && *display != '\0'
                                  ? std::string("no display answers at DISPLAY=") + display
                                  : std::string("DISPLAY is not set");
    return "sdwlan: " + option + " needs a display, but " + where +
           "; set DISPLAY to a running X server (or run under xvfb-run)";
}

// Runs the application with `host` as the window system's host, with the script when there is
// one; returns the script's exit status.
int RunHosted(FltkHost& host, const Options& options, const std::function<void()>& application,
              const DesktopScriptIo& io, std::ostream& err) {
    ScriptSource source;
    if (!source.Open(options, io.stdinScript, err)) return 1;
    std::unique_ptr<DesktopScript> script;
    if (options.scriptFile) {
        script = std::make_unique<DesktopScript>(host, source.Stream(), source.Name(), io.out, err);
        if (io.sim) script->AddCommand("sim", io.sim);
    }
    // Ctrl+C and SIGTERM close the window as the user would, so that shutdown runs; so does
    // the end of the script.
    StopSignal stop;
    host.SetStopRequest([&] { return stop.Requested() || (script && script->Finished()); });
    SetUiHost(&host);
    if (options.screenshotFile) {
        host.ScheduleScreenshot(*options.screenshotFile, options.screenshotAfterMs);
    }
    application();
    SetUiHost(nullptr);
    host.SetStopRequest(nullptr);
    io.out.flush();
    return script && script->Failed() ? 1 : 0;
}

bool Available() { return FltkHost::DisplayAvailable(); }

int Run(const Options& options, const std::function<void()>& application, const DesktopScriptIo& io,
        std::ostream& err) {
    if (PlatformClock().IsVirtual()) {
        err << "sdwlan: the desktop window needs the real clock\n";
        return 1;
    }
    if (!FltkHost::DisplayAvailable()) {
        err << NoDisplayMessage(options) << "\n";
        return 1;
    }
    MessageBoxHandler previousBoxes = SetMessageBoxHandler(nullptr);
    int result = 0;
    {
        FltkHost host;
        result = RunHosted(host, options, application, io, err);
        const int screenshot = ScreenshotResult(host, options, err);
        result = result != 0 ? result : screenshot;
    }
    SetMessageBoxHandler(previousBoxes);
    return result;
}

}  // namespace

const DesktopEntry sdwlan_desktop_entry{&Available, &Run};
