// A long run on the Status page, on the virtual clock: the process's peak memory after 1 and
// after 24 simulated hours, and their ratio.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/main_dialog.h"
#include "app/utility_app.h"
#include "bench/bench_stack.h"
#include "platform/ui/default_ui_host.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/ui_input.h"

namespace {

constexpr DWORD kHourMs = 60 * 60 * 1000;

// Peak resident memory of this process in kB (VmHWM), 0 when unknown.
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace

int main() {
    BenchStack stack;
    DefaultUiHost ui;
    SetUiHost(&ui);
    long afterOne = 0, afterDay = 0;
    ui.onModal = [&](Dialog& dialog) {
        auto* main = dynamic_cast<MainDialog*>(&dialog);
        if (main == nullptr) return;
        AdvanceVirtualClock(stack.clock, kHourMs);
        afterOne = PeakKb();
        for (int hour = 1; hour < 24; ++hour) AdvanceVirtualClock(stack.clock, kHourMs);
        afterDay = PeakKb();
        CloseWindow(*main);
    };
    theApp.InitInstance();
    SetUiHost(nullptr);
    if (afterOne <= 0) {
        std::printf("long run: no peak memory figure\n");
        return 1;
    }
    std::printf(
        "peak memory on the Status page: %.1f MB after 1 h, %.1f MB after 24 h: %.3fx "
        "(goal 1.05x) %s\n",
        afterOne / 1024.0, afterDay / 1024.0, static_cast<double>(afterDay) / afterOne,
        afterDay <= afterOne * 1.05 ? "ok" : "OVER");
    return 0;
}
