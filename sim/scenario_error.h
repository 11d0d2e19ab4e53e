// A scenario that cannot be used: the message names the file or JSON path at fault.
#pragma once

#include <stdexcept>
#include <string>

class ScenarioError : public std::runtime_error {
  public:
    explicit ScenarioError(const std::string& message) : std::runtime_error(message) {}
};
