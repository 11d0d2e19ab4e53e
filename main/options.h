// Command-line options of the sdwlan program.
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program runs. Text is also the default mode: without a mode option the program
// opens the desktop window when it is built in and a display answers, else the text mode.
enum class RunMode { Text, Headless, Report };

// The driver behind the utility: the simulator, or the machine's own Wi-Fi.
enum class BackendKind { Simulator, Linux };

struct Options {
    BackendKind backend = BackendKind::Simulator;
    std::optional<std::string> scenarioFile;
    std::optional<std::string> registryFile;
    bool report = false;
    bool headless = false;
    bool text = false;
    std::optional<std::string> scriptFile;  // "-" for standard input
    std::optional<std::string> screenshotFile;
    unsigned screenshotAfterMs = 0;
    std::optional<std::string> traceFile;  // "-" for standard error
    bool engineering = false;              // the engineering pages and the profile dialog's opener
    bool help = false;
    bool version = false;

    RunMode Mode() const;
};

// Parses argv; on a bad option or a bad combination returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);
std::string UsageText();
