#include "sim/sim_host.h"

#include "sim/radio_world.h"
#include "sim/sim_card.h"
#include "sim/sim_protocol_driver.h"

SimHost::SimHost(Scenario scenario) : scenario_(std::move(scenario)) {}
SimHost::~SimHost() = default;
SimCard* SimHost::Card(const WString&) { return nullptr; }
SimProtocolDriver* SimHost::Driver() { return nullptr; }
const Scenario& SimHost::GetScenario() const { return scenario_; }
RadioWorld& SimHost::World() { return *world_; }
HANDLE SimHost::PresentRegistration() const { return 0; }
std::shared_ptr<SimProtocolDriver> SimHost::CreateDriver() { return nullptr; }
void SimHost::OnDriverUnloaded(const SimProtocolDriver*) {}
