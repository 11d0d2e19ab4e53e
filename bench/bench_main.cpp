// Runs the benchmarks, then prints each measured path's ratio to its floor, taken in the same
// run, beside the goal, so that two machines can be compared by their ratios. Single-thread
// paths compare CPU time (steadier on a shared machine); paths with another thread or process
// compare real time (their names end in /real_time).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace {

struct Pair {
    const char* measured;
    const char* floor;
    double goal;
};

constexpr Pair kPairs[] = {
    {"BM_QueryOid", "BM_Floor_CardOid", 3.0},
    {"BM_QueryOidPending/real_time", "BM_QueryOid/real_time", 2.0},
    {"BM_StatusTick", "BM_QueryOid", 12.0},
    {"BM_MeterPaint", "BM_Floor_FillAndBlit", 2.0},
    {"BM_Startup/real_time", "BM_Floor_MinimalProcess/real_time", 2.5},
};

// The console output as usual, and each benchmark's time per iteration kept by name: the median
// of its repetitions when it was repeated (--benchmark_repetitions), else its one run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) continue;
            const std::string name = run.run_name.str();
            if (!median && medians_.contains(name)) continue;
            if (median) medians_.insert(name);
            const bool real = name.size() > 10 && name.ends_with("/real_time");
            times[name] = real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> times;

  private:
    std::set<std::string> medians_;
};

void PrintRatios(const std::map<std::string, double>& times) {
    std::printf("\n%-30s %-34s %8s %6s\n", "measured", "floor", "ratio", "goal");
    for (const Pair& pair : kPairs) {
        auto measured = times.find(pair.measured);
        auto floor = times.find(pair.floor);
        if (measured == times.end() || floor == times.end() || floor->second <= 0) continue;
        double ratio = measured->second / floor->second;
        std::printf("%-30s %-34s %7.2fx %5.1fx %s\n", pair.measured, pair.floor, ratio, pair.goal,
                    ratio <= pair.goal ? "ok" : "OVER");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter.times);
    return 0;
}
