// The command line's range and ical: every day of the almanac, 1901-01-01 to 2200-12-31, as JSON
// Lines or as an iCalendar stream, on one thread and on several.
#include "cli_app.h"
#include "ordered_blocks.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace biteclock::cli {
namespace {

CliEnvironment benchEnvironment() {
    CliEnvironment env;
    env.today = dateSerial(2000, 1, 1);
    env.currentPlace = [] { return StoredPlace{}; };
    env.moonNorth = [] { return true; };
    return env;
}

void BM_RangeAllDaysJsonLinesToFile(benchmark::State& state) {
    const std::vector<std::string> args = {"range", "--from", "1901-01-01", "--days", "109573", "--lat",
                                           "40.7",  "--lon",  "-74",        "--gmt",  "-4"};
    const std::string path = "/tmp/biteclock_bench_range.jsonl";
    std::ostringstream err;
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        benchmark::DoNotOptimize(runCli(args, out, err, benchEnvironment()));
    }
    std::remove(path.c_str());
    state.counters["days"] = 109573;
    state.counters["us_per_day"] = benchmark::Counter(109573, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}
BENCHMARK(BM_RangeAllDaysJsonLinesToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The cost of each date's own offset: the whole almanac in New York's zone against its one winter
// offset, both to /dev/null so that only the computation is timed; on one thread, two, and every core
// (the argument: threads, 0 for every core).
void runAllDaysToNull(benchmark::State& state, std::vector<std::string> args) {
    args.insert(args.end(), {"--from", "1901-01-01", "--days", "109573", "--lat", "40.7", "--lon", "-74"});
    if (state.range(0) > 0) {
        args.insert(args.end(), {"--jobs", std::to_string(state.range(0))});
    }
    std::ostringstream err;
    for (auto _ : state) {
        std::ofstream out("/dev/null", std::ios::binary);
        benchmark::DoNotOptimize(runCli(args, out, err, benchEnvironment()));
    }
    state.counters["us_per_day"] = benchmark::Counter(109573, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

// One thread, two threads, and every core.
void threadCounts(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(2);
    if (availableCores() > 2) {
        b->Arg(availableCores());
    }
    b->ArgName("jobs");
}

void BM_RangeAllDaysGmtMinus5(benchmark::State& state) {
    runAllDaysToNull(state, {"range", "--gmt", "-5"});
}
BENCHMARK(BM_RangeAllDaysGmtMinus5)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RangeAllDaysTzNewYork(benchmark::State& state) {
    runAllDaysToNull(state, {"range", "--tz", "America/New_York"});
}
BENCHMARK(BM_RangeAllDaysTzNewYork)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every period, good day and phase of the almanac's 300 years as one iCalendar stream.
void BM_IcalAllDaysTzNewYork(benchmark::State& state) {
    runAllDaysToNull(state, {"ical", "--tz", "America/New_York"});
}
BENCHMARK(BM_IcalAllDaysTzNewYork)->Apply(threadCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DayJson(benchmark::State& state) {
    const std::vector<std::string> args = {"day", "--date", "2000-06-21", "--lat",    "40.7", "--lon",
                                           "-74", "--gmt",  "-4",         "--format", "json"};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(runCli(args, out, err, benchEnvironment()));
    }
}
BENCHMARK(BM_DayJson)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace biteclock::cli
