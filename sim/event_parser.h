// Reads the scenario's "events": each one a world time and exactly one thing that happens then.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "sim/scenario.h"

class JsonFields;

class EventParser {
  public:
    using Json = nlohmann::json;

    // `adapters` are the scenario's, to check the adapters the events name.
    static std::vector<SimEvent> List(const Json* value, const std::string& path,
                                      const std::vector<AdapterSpec>& adapters);

  private:
    static SimEvent Event(const Json& value, const std::string& path,
                          const std::vector<AdapterSpec>& adapters);
    static void Action(JsonFields& fields, const std::string& key, SimEvent* event);
    static void CheckAdapter(JsonFields& fields, const std::vector<AdapterSpec>& adapters,
                             SimEvent* event);
};
