// Command-line options of the sdwlan program.
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program runs. With no mode option the utility runs in the text mode; the desktop
// window will be chosen here when the build has one and a display is there.
enum class RunMode { Text, Headless, Report };

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

    RunMode Mode() const;
};

// Parses argv; on a bad option or a bad combination returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);
std::string UsageText();
