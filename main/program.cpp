// The program's wiring: the simulated driver is installed in the OS stand-in's device manager,
// the registry gets its file, and the utility runs on top.
#include "main/program.h"

#include <memory>

#include "main/card_report.h"
#include "main/options.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "platform/registry/registry_store.h"
#include "sim/scenario.h"
#include "sim/scenario_error.h"
#include "sim/sim_host.h"

namespace {

bool OpenRegistry(const Options& options, std::ostream& err) {
    std::string path = options.registryFile.value_or(DefaultRegistryPath());
    std::string error;
    if (!RegistryStore::Instance().SetBackingFile(path, &error)) {
        err << "sdwlan: " << error << "\n";
        return false;
    }
    return true;
}

std::unique_ptr<Scenario> LoadScenario(const Options& options, std::ostream& err) {
    try {
        return std::make_unique<Scenario>(
            options.scenarioFile ? Scenario::LoadFile(*options.scenarioFile) : Scenario::Default());
    } catch (const ScenarioError& error) {
        err << "sdwlan: " << error.what() << "\n";
        return nullptr;
    }
}

}  // namespace

int RunProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    auto options = ParseOptions(args, error);
    if (!options) {
        err << "sdwlan: " << error << "\n";
        return 2;
    }
    if (options->help) {
        out << UsageText();
        return 0;
    }
    if (!OpenRegistry(*options, err)) return 1;
    auto scenario = LoadScenario(*options, err);
    if (!scenario) return 1;
    SetMessageBoxHandler([&out](const std::string& text, const std::string&, UINT) {
        out << "message: " << text << "\n";
        return IDOK;
    });
    VirtualClock clock;
    SetPlatformClock(&clock);
    int result;
    {
        SimHost sim(*scenario);
        result = RunCardReport(out);
    }
    SetPlatformClock(nullptr);
    SetMessageBoxHandler(nullptr);
    return result;
}
