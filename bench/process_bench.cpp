// Headless start-up to the Status page and close, as a process, against a minimal C++ process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

bool RunProcess(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_Floor_MinimalProcess(benchmark::State& state) {
    for (auto _ : state) {
        if (!RunProcess({SDWLAN_MINIMAL_BIN})) return state.SkipWithError("spawn failed");
    }
}
BENCHMARK(BM_Floor_MinimalProcess)->UseRealTime();

void BM_Startup(benchmark::State& state) {
    const std::string registry = "/tmp/sdwlan-bench-" + std::to_string(getpid()) + ".reg";
    for (auto _ : state) {
        if (!RunProcess({SDWLAN_BIN, "--headless", "--registry", registry})) {
            return state.SkipWithError("sdwlan failed");
        }
    }
    unlink(registry.c_str());
}
BENCHMARK(BM_Startup)->UseRealTime();

}  // namespace
