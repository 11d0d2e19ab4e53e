// The driver the utility runs against: the simulator (the default) or the machine's own Wi-Fi
// through the Linux driver (--backend linux). Created for the length of a run.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "main/options.h"
#include "platform/core/clock.h"

class SimHost;
struct Scenario;

// What the script's `sim` command answers when the utility runs on the Linux driver.
inline const std::string kNoSimulator = "needs the simulator, not --backend linux";

// Exit status when --backend linux finds no wireless interface or cannot load its module.
constexpr int kExitNoWifi = 5;

// False, with one line on `err`, when --backend linux is asked for and the kernel reports no
// wireless interface this program can reach.
bool BackendAvailable(const Options& options, std::ostream& err);

class Backend {
  public:
    // With the Linux driver on a virtual clock, the clock is held to real time: advancing it
    // waits for the kernel's time to pass as well, so a script's `wait` lets a scan or a join
    // finish.
    Backend(const Options& options, const Scenario& scenario, std::ostream& err);
    ~Backend();
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // The simulator; null with the Linux driver (no `sim` command then).
    SimHost* Sim() { return sim_.get(); }

  private:
    void Pace(DWORD virtualStart, long long realStartMs);

    std::unique_ptr<SimHost> sim_;
    std::shared_ptr<void> linux_;  // the Linux driver's installation
    ClockScheduler::Id pacing_ = 0;
    bool paced_ = false;
};
