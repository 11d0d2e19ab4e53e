// Scenario JSON: any text gives a scenario or a ScenarioError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/scenario.h"
#include "sim/scenario_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        Scenario::Parse(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const ScenarioError&) {
    }
    return 0;
}
