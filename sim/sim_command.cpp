#include "sim/sim_command.h"

#include "platform/core/text.h"
#include "sim/sim_host.h"
#include "sim/value_text.h"

namespace {

constexpr const char* kUsage =
    "(sim remove-card | sim remove-device NAME | sim link down | sim link up | "
    "sim scan-state CODE [BSSID] | sim signal DBM | sim restart-counters)";
constexpr long long kMinDbm = -120;
constexpr long long kMaxDbm = 0;
constexpr long long kMaxCode = 0xFFFFFFFFLL;

std::optional<SimEvent> Refuse(std::string* error, std::string text) {
    *error = std::move(text);
    return std::nullopt;
}

// Whether the command has from `low` to `high` arguments after its name; sets the error if not.
bool Arguments(const std::vector<std::string>& args, std::size_t low, std::size_t high,
               const char* usage, std::string* error) {
    std::size_t count = args.size() - 1;
    if (count >= low && count <= high) return true;
    *error = StrFormat("%s: %s; usage: sim %s", args[0].c_str(),
                       count < low ? "missing argument" : "too many arguments", usage);
    return false;
}

SimEvent Event(SimEventKind kind) {
    SimEvent event;
    event.kind = kind;
    return event;
}

}  // namespace

std::string SimCommand::Run(SimHost& host, const std::vector<std::string>& args) {
    std::string error;
    std::optional<SimEvent> event = Parse(args, &error);
    if (!event) return error;
    error = host.Apply(*event);
    return error.empty() ? error : args[0] + ": " + error;
}

std::optional<SimEvent> SimCommand::Parse(const std::vector<std::string>& args,
                                          std::string* error) {
    if (args.empty()) return Refuse(error, std::string("missing simulator command ") + kUsage);
    const std::string& name = args[0];
    if (name == "remove-card") {
        if (!Arguments(args, 0, 0, "remove-card", error)) return std::nullopt;
        return Event(SimEventKind::RemoveCard);
    }
    if (name == "remove-device") {
        if (!Arguments(args, 1, 1, "remove-device NAME", error)) return std::nullopt;
        SimEvent event = Event(SimEventKind::RemoveDevice);
        event.deviceName = args[1];
        return event;
    }
    if (name == "restart-counters") {
        if (!Arguments(args, 0, 0, "restart-counters", error)) return std::nullopt;
        return Event(SimEventKind::RestartCounters);
    }
    if (name == "link") return Link(args, error);
    if (name == "scan-state") return ScanState(args, error);
    if (name == "signal") return Signal(args, error);
    return Refuse(error, "unknown sim command '" + name + "' " + kUsage);
}

std::optional<SimEvent> SimCommand::Link(const std::vector<std::string>& args, std::string* error) {
    if (!Arguments(args, 1, 1, "link down|up", error)) return std::nullopt;
    if (args[1] == "down") return Event(SimEventKind::LinkDown);
    if (args[1] == "up") return Event(SimEventKind::LinkUp);
    return Refuse(error, "link: '" + args[1] + "' is neither 'down' nor 'up'");
}

std::optional<SimEvent> SimCommand::ScanState(const std::vector<std::string>& args,
                                              std::string* error) {
    if (!Arguments(args, 1, 2, "scan-state CODE [BSSID]", error)) return std::nullopt;
    auto code = ValueText::Integer(args[1]);
    if (!code || *code < 0 || *code > kMaxCode) {
        return Refuse(error, "scan-state: '" + args[1] +
                                 "' is not a scan-state code (a number from 0 to 0xFFFFFFFF)");
    }
    SimEvent event = Event(SimEventKind::ScanState);
    event.scanState = static_cast<DWORD>(*code);
    if (args.size() == 3) {
        event.bssid = ValueText::Mac(args[2]);
        if (!event.bssid) {
            return Refuse(error, "scan-state: '" + args[2] +
                                     "' is not a BSSID (six hexadecimal pairs, as "
                                     "02-1A-2B-3C-4D-01)");
        }
    }
    return event;
}

std::optional<SimEvent> SimCommand::Signal(const std::vector<std::string>& args,
                                           std::string* error) {
    if (!Arguments(args, 1, 1, "signal DBM", error)) return std::nullopt;
    auto dbm = ValueText::Integer(args[1]);
    if (!dbm || *dbm < kMinDbm || *dbm > kMaxDbm) {
        return Refuse(error,
                      "signal: '" + args[1] + "' is not a signal level (whole dBm from -120 to 0)");
    }
    SimEvent event = Event(SimEventKind::Signal);
    event.signalDbm = static_cast<int>(*dbm);
    return event;
}
