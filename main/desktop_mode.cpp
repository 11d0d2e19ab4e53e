#include "main/desktop_mode.h"

#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "platform/ui/ui_host.h"

#ifdef SDWLAN_HAVE_FLTK
#include "frontend/fltk/display_probe.h"
#include "frontend/fltk/fltk_host.h"
#include "frontend/headless/stop_signal.h"
#endif

namespace {

#ifdef SDWLAN_HAVE_FLTK
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
#endif

}  // namespace

bool DesktopAvailable() {
#ifdef SDWLAN_HAVE_FLTK
    return DesktopDisplayAvailable();
#else
    return false;
#endif
}

int RunDesktop(const Options& options, const std::function<void()>& application,
               std::ostream& err) {
#ifdef SDWLAN_HAVE_FLTK
    if (PlatformClock().IsVirtual()) {
        err << "sdwlan: the desktop window needs the real clock\n";
        return 1;
    }
    if (!DesktopDisplayAvailable()) {
        err << "sdwlan: no display to open the window on\n";
        return 1;
    }
    MessageBoxHandler previousBoxes = SetMessageBoxHandler(nullptr);
    int result = 0;
    {
        FltkHost host;
        // Ctrl+C and SIGTERM close the window as the user would, so that shutdown runs.
        StopSignal stop;
        host.SetStopRequest([&stop] { return stop.Requested(); });
        SetUiHost(&host);
        if (options.screenshotFile) {
            host.ScheduleScreenshot(*options.screenshotFile, options.screenshotAfterMs);
        }
        application();
        SetUiHost(nullptr);
        result = ScreenshotResult(host, options, err);
    }
    SetMessageBoxHandler(previousBoxes);
    return result;
#else
    (void)options;
    (void)application;
    err << "sdwlan: this build has no desktop window\n";
    return 1;
#endif
}
