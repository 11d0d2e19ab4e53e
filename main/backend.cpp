#include "main/backend.h"

#include <chrono>
#include <thread>

#include "main/linux_backend.h"
#include "main/module_loader.h"
#include "sim/sim_host.h"

namespace {

constexpr DWORD kPaceStepMs = 50;

long long RealMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

const LinuxBackendEntry* linkedLinux = nullptr;

}  // namespace

const LinuxBackendEntry* LinuxBackend(std::string& error) {
    if (linkedLinux != nullptr) return linkedLinux;
    return static_cast<const LinuxBackendEntry*>(
        ModuleSymbol("sdwlan-linux.so", "sdwlan_linux_entry", error));
}

void UseLinuxBackendEntry(const LinuxBackendEntry* entry) { linkedLinux = entry; }

bool BackendAvailable(const Options& options, std::ostream& err) {
    if (options.backend != BackendKind::Linux) return true;
    std::string error;
    const LinuxBackendEntry* driver = LinuxBackend(error);
    if (driver == nullptr) {
        err << "sdwlan: --backend linux cannot be loaded: " << error << "\n";
        return false;
    }
    if (driver->wifiPresent()) return true;
    err << "sdwlan: no Wi-Fi here: the kernel reports no wireless interface (--backend linux)\n";
    return false;
}

Backend::Backend(const Options& options, const Scenario& scenario, std::ostream& err) {
    if (options.backend == BackendKind::Simulator) {
        sim_ = std::make_unique<SimHost>(scenario);
        return;
    }
    std::string error;
    if (const LinuxBackendEntry* driver = LinuxBackend(error)) {
        linux_ =
            driver->install([&err](const std::string& line) { err << "sdwlan: " << line << "\n"; });
    }
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
