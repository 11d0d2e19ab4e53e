#include "main/headless_run.h"

#include "app/utility_app.h"
#include "frontend/headless/headless_host.h"
#include "frontend/headless/script_runner.h"
#include "main/backend.h"
#include "main/options.h"
#include "main/request_trace.h"
#include "main/script_source.h"
#include "sim/sim_command.h"

namespace {

// `trace on|off`: the request trace on its --trace destination, else on standard error.
std::string RunTraceCommand(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() == 1 && args[0] == "on") {
        RequestTrace::Instance().Resume(err);
    } else if (args.size() == 1 && args[0] == "off") {
        RequestTrace::Instance().SetOutput(nullptr);
    } else {
        return "takes on or off";
    }
    return "";
}

}  // namespace

int RunHeadless(const Options& options, SimHost* sim, VirtualClock& clock,
                std::istream& stdinScript, std::ostream& out, std::ostream& err) {
    ScriptSource script;
    if (!script.Open(options, stdinScript, err)) return 1;
    HeadlessHost host(out);
    SetUiHost(&host);
    int status = 0;
    {
        ScriptRunner runner(host, clock, script.Stream(), script.Name(), err);
        runner.AddCommand("sim", [sim](const std::vector<std::string>& args) {
            return sim ? SimCommand::Run(*sim, args) : kNoSimulator;
        });
        runner.AddCommand("trace", [&err](const std::vector<std::string>& args) {
            return RunTraceCommand(args, err);
        });
        theApp.InitInstance();
        status = runner.Failed() ? 1 : 0;
    }
    SetUiHost(nullptr);
    out.flush();
    return status;
}
