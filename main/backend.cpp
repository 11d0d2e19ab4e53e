#include "main/backend.h"

#include <chrono>
#include <thread>

#include "nl80211/linux_host.h"
#include "nl80211/nl80211_source.h"
#include "sim/sim_host.h"

namespace {

constexpr DWORD kPaceStepMs = 50;

long long RealMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

bool BackendAvailable(const Options& options, std::ostream& err) {
    if (options.backend != BackendKind::Linux) return true;
    Nl80211Source source;
    if (source.Ready() && !source.Interfaces().empty()) return true;
    err << "sdwlan: no Wi-Fi here: the kernel reports no wireless interface (--backend linux)\n";
    return false;
}

Backend::Backend(const Options& options, const Scenario& scenario, std::ostream& err) {
    if (options.backend == BackendKind::Simulator) {
        sim_ = std::make_unique<SimHost>(scenario);
        return;
    }
    linux_ = std::make_unique<LinuxHost>(
        std::make_shared<Nl80211Source>(),
        [&err](const std::string& line) { err << "sdwlan: " << line << "\n"; });
    if (PlatformClock().IsVirtual()) {
        paced_ = true;
        Pace(GetTickCount(), RealMs());
    }
}

Backend::~Backend() {
    if (paced_) ClockScheduler::Instance().Cancel(pacing_);
}

// Each step of virtual time waits until as much real time has passed since the start.
void Backend::Pace(DWORD virtualStart, long long realStartMs) {
    pacing_ = ClockScheduler::Instance().Schedule(
        GetTickCount() + kPaceStepMs, [this, virtualStart, realStartMs] {
            long long ahead =
                static_cast<long long>(GetTickCount() - virtualStart) - (RealMs() - realStartMs);
            if (ahead > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ahead));
            Pace(virtualStart, realStartMs);
        });
}
