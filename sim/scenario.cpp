#include "sim/scenario.h"

Scenario Scenario::Default() { return {}; }
Scenario Scenario::Parse(const std::string&) { return {}; }
Scenario Scenario::LoadFile(const std::string&) { return {}; }
