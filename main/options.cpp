#include "main/options.h"

#include <cstdlib>

namespace {

#ifdef SDWLAN_HAVE_FLTK
constexpr bool kDesktopBuilt = true;
#else
constexpr bool kDesktopBuilt = false;
#endif

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

bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, Options& options,
                     std::string& error) {
    const std::string arg = args[i];
    std::string value;
    if (!TakeValue(args, i, value, error)) return false;
    if (arg == "--scenario") options.scenarioFile = value;
    if (arg == "--registry") options.registryFile = value;
    if (arg == "--script") options.scriptFile = value;
    if (arg == "--screenshot") options.screenshotFile = value;
    if (arg == "--trace") options.traceFile = value;
    if (arg == "--backend" && value != "simulator" && value != "linux") {
        error = "--backend takes simulator or linux, not '" + value + "'";
        return false;
    }
    if (arg == "--backend" && value == "linux") options.backend = BackendKind::Linux;
    if (arg == "--after" && !ParseMs(value, options.screenshotAfterMs)) {
        error = "--after takes a number of milliseconds, not '" + value + "'";
        return false;
    }
    return true;
}

// Options that only make sense together, or not together.
bool CheckCombination(const Options& options, std::string& error) {
    int modes = int(options.report) + int(options.headless) + int(options.text);
    bool screenshot = options.screenshotFile || options.screenshotAfterMs != 0;
    if (modes > 1) {
        error = "--report, --headless and --text exclude each other";
    } else if (options.scenarioFile && options.backend == BackendKind::Linux) {
        error = "--scenario describes the simulator's world, not --backend linux";
    } else if (options.scriptFile && (options.report || options.text)) {
        error = "--script drives the window or --headless, not --report or --text";
    } else if (options.scriptFile && options.screenshotFile) {
        error =
            "--script and --screenshot exclude each other (a script takes its pictures "
            "with its screenshot command)";
    } else if (screenshot && modes > 0) {
        error =
            "--screenshot and --after need the desktop window, not --report, --headless or "
            "--text";
    } else if (options.screenshotAfterMs != 0 && !options.screenshotFile) {
        error = "--after needs --screenshot";
    } else if (screenshot && !kDesktopBuilt) {
        error = "--screenshot needs the desktop window, which this build does not have";
    } else if (options.scriptFile && !options.headless && !kDesktopBuilt) {
        error = "--script needs --headless in a build without the desktop window";
    }
    return error.empty();
}

}  // namespace

RunMode Options::Mode() const {
    if (report) return RunMode::Report;
    if (headless) return RunMode::Headless;
    // The program opens the desktop window instead when it is built in and a display answers.
    return RunMode::Text;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--report") {
            options.report = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--text") {
            options.text = true;
        } else if (arg == "--engineering") {
            options.engineering = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--scenario" || arg == "--registry" || arg == "--script" ||
                   arg == "--screenshot" || arg == "--after" || arg == "--trace" ||
                   arg == "--backend") {
            if (!TakeOptionValue(args, i, options, error)) return std::nullopt;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (!options.help && !options.version && !CheckCombination(options, error)) return std::nullopt;
    return options;
}

std::string UsageText() {
    return "usage: sdwlan [options]\n"
           "  (no mode)         the utility in its desktop window; without a display (or a\n"
           "                    build without it) in the text mode\n"
           "  --text            the utility on the real clock, printing the Status page's\n"
           "                    fields as they change, until Ctrl+C\n"
           "  --headless        the utility on the virtual clock, driven by a script\n"
           "  --script FILE     a script driving the utility, in the desktop window or with\n"
           "                    --headless ('-': standard input); --headless without one\n"
           "                    starts the utility and closes it again\n"
           "  --report          print what the utility reads from the card, then exit\n"
           "  --backend NAME    simulator (default), or linux: the machine's own Wi-Fi\n"
           "                    through the kernel (nl80211); scanning, joining, power\n"
           "                    saving and the radio switch need root or CAP_NET_ADMIN\n"
           "  --scenario FILE   simulated world (JSON); default: built-in, one adapter\n"
           "  --registry FILE   registry file; default: $XDG_CONFIG_HOME/sdwlan/registry.reg\n"
           "  --screenshot FILE the desktop window as a PNG after --after MS (default 0),\n"
           "                    then the window is closed\n"
           "  --after MS        the time before the screenshot\n"
           "  --engineering     also the engineering pages (BBCR, MCR, EEPROM) and the\n"
           "                    Status page's Config button for the profile dialog\n"
           "  --trace FILE      every OID request and answer, and every registry write of\n"
           "                    the driver's parameters, one line each ('-': standard\n"
           "                    error; docs/trace.md)\n"
           "  --version         the utility's version\n"
           "  --help            this text\n"
           "Exit status: 0 when the utility ended, 1 on a failed script command, a file that\n"
           "cannot be read or no display for the window, 2 on bad options, 5 when\n"
           "--backend linux finds no wireless interface or cannot load its module.\n"
           "More: man sdwlan; README.md and docs/ (scripts: docs/script.md, scenarios:\n"
           "docs/scenario.md) in the source tree, or installed in PREFIX/share/doc/sdwlan.\n";
}
