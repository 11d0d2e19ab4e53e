// sdwlan: wires the layers together. The simulated driver is installed in the OS stand-in's
// device manager, the registry gets its file, and the utility runs on top.
#include <iostream>
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

bool OpenRegistry(const Options& options) {
    std::string path = options.registryFile.value_or(DefaultRegistryPath());
    std::string error;
    if (!RegistryStore::Instance().SetBackingFile(path, &error)) {
        std::cerr << "sdwlan: " << error << "\n";
        return false;
    }
    return true;
}

std::unique_ptr<Scenario> LoadScenario(const Options& options) {
    try {
        return std::make_unique<Scenario>(
            options.scenarioFile ? Scenario::LoadFile(*options.scenarioFile) : Scenario::Default());
    } catch (const ScenarioError& error) {
        std::cerr << "sdwlan: " << error.what() << "\n";
        return nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "sdwlan: " << error << "\n";
        return 2;
    }
    if (options->help) {
        std::cout << UsageText();
        return 0;
    }
    if (!OpenRegistry(*options)) return 1;
    auto scenario = LoadScenario(*options);
    if (!scenario) return 1;
    SetMessageBoxHandler([](const std::string& text, const std::string&, UINT) {
        std::cout << "message: " << text << "\n";
        return IDOK;
    });
    VirtualClock clock;
    SetPlatformClock(&clock);
    int result;
    {
        SimHost sim(*scenario);
        result = RunCardReport(std::cout);
    }
    SetPlatformClock(nullptr);
    return result;
}
