#include "main/options.h"

#include <cstdlib>

namespace {

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value,
               std::string& error) {
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool ParseMs(const std::string& text, unsigned& ms) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 9) {
        return false;
    }
    ms = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == "--report") {
            options.report = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--text") {
            options.text = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--scenario" || arg == "--registry" || arg == "--script" ||
                   arg == "--screenshot" || arg == "--after") {
            if (!TakeValue(args, i, value, error)) return std::nullopt;
            if (arg == "--scenario") options.scenarioFile = value;
            if (arg == "--registry") options.registryFile = value;
            if (arg == "--script") options.scriptFile = value;
            if (arg == "--screenshot") options.screenshotFile = value;
            if (arg == "--after" && !ParseMs(value, options.screenshotAfterMs)) {
                error = "--after takes a number of milliseconds, not '" + value + "'";
                return std::nullopt;
            }
        } else {
            error = "unknown option '" + arg + "' (see --help)";
            return std::nullopt;
        }
    }
    return options;
}

std::string UsageText() {
    return "usage: sdwlan [options]\n"
           "  --scenario FILE   simulated world (JSON); default: built-in, one adapter\n"
           "  --registry FILE   registry file; default: $XDG_CONFIG_HOME/sdwlan/registry.reg\n"
           "  --report          print what the utility reads from the card, then exit\n"
           "  --help            this text\n";
}
