// Command-line options of the sdwlan program.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Options {
    std::optional<std::string> scenarioFile;
    std::optional<std::string> registryFile;
    bool report = false;
    bool headless = false;
    bool text = false;
    std::optional<std::string> scriptFile;  // "-" for standard input
    std::optional<std::string> screenshotFile;
    unsigned screenshotAfterMs = 0;
    bool help = false;
};

// Parses argv; on a bad option returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);
std::string UsageText();
