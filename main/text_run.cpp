#include "main/text_run.h"

#include "app/utility_app.h"
#include "frontend/headless/headless_host.h"
#include "frontend/headless/real_clock_loop.h"
#include "frontend/headless/stop_signal.h"
#include "frontend/headless/text_view.h"

int RunTextMode(std::ostream& out) {
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
