// Per-routine costs of the almanac.
#include "almanac_day.h"
#include "daily_refresh.h"
#include "lunar_distance.h"
#include "moon_events.h"
#include "phase_table.h"
#include "sun_events.h"

#include <benchmark/benchmark.h>

namespace biteclock {
namespace {

const Observer kNewYork = observerFromDegrees(40.7, -74.0, -4);

void BM_SunDay(benchmark::State& state) {
    DateSerial d = dateSerial(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeSunDay(calendarDate(d), kNewYork));
        d = d % 2 == 0 ? d + 1 : d + 29;
    }
}
BENCHMARK(BM_SunDay);

void BM_MoonDay(benchmark::State& state) {
    DateSerial d = dateSerial(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeMoonDay(calendarDate(d), kNewYork));
        ++d;
    }
}
BENCHMARK(BM_MoonDay);

void BM_PhaseTable(benchmark::State& state) {
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computePhaseTable(year, -4));
        year = year == 2200 ? 1901 : year + 1;
    }
}
BENCHMARK(BM_PhaseTable);

void BM_LunarDistance(benchmark::State& state) {
    DateSerial d = dateSerial(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunarDistance(calendarDate(d++)));
    }
}
BENCHMARK(BM_LunarDistance);

void BM_Calcmoon(benchmark::State& state) {
    AlmanacDay day;
    day.observer = kNewYork;
    day.AlmanacDate = dateSerial(2000, 3, 1);
    day.calcmoontime();
    DateSerial d = dateSerial(2000, 3, 1);
    for (auto _ : state) {
        day.AlmanacDate = d;
        day.calcmoon();
        benchmark::DoNotOptimize(day.DayRating);
        d = d == dateSerial(2000, 12, 31) ? dateSerial(2000, 3, 1) : d + 1;
    }
}
BENCHMARK(BM_Calcmoon);

void BM_Majorminor(benchmark::State& state) {
    AlmanacDay day;
    day.observer = kNewYork;
    DateSerial d = dateSerial(2000, 1, 1);
    for (auto _ : state) {
        day.AlmanacDate = d++;
        day.majorminor();
        benchmark::DoNotOptimize(day.main.Text4);
    }
}
BENCHMARK(BM_Majorminor);

// The whole refresh of consecutive days, with a 15-day graph as the window draws it.
void BM_RefreshDayWithGraph(benchmark::State& state) {
    AlmanacDay day;
    DateSerial d = dateSerial(1901, 1, 1);
    for (auto _ : state) {
        day.startFresh();
        day.observer = kNewYork;
        benchmark::DoNotOptimize(refreshDay(day, d, 15, false));
        d = d == dateSerial(2200, 12, 31) ? dateSerial(1901, 1, 1) : d + 1;
    }
}
BENCHMARK(BM_RefreshDayWithGraph);

} // namespace
} // namespace biteclock
