// The trips list over a journal of 10,000 entry files: every file read and each trip's date given
// the almanac the main window shows for it. A log of that size must list in well under a second.
#include "date_serial.h"
#include "generated_journal.h"
#include "trip_csv.h"
#include "trip_log.h"
#include "trip_stats.h"
#include "zone_date_offsets.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kEntries = 10000;

/// A folder of generated entry files, written once for all the benchmarks of one kind.
class GeneratedJournal {
public:
    explicit GeneratedJournal(std::vector<GeneratedTrip> trips)
        : folder_(dir_.filePath(QStringLiteral("journal"))) {
        if (!writeTrips(folder_, trips)) {
            throw std::runtime_error("the generated journal could not be written");
        }
    }
    const QString& folder() const { return folder_; }

private:
    QTemporaryDir dir_;
    QString folder_;
};

// Dates of a real log repeat: about a third of the trips go back to a day already fished.
const GeneratedJournal& repeatingDates() {
    static const GeneratedJournal journal(generatedTrips(kEntries));
    return journal;
}

// The worst case: every trip on a day of its own, one a day over 27 years.
const GeneratedJournal& distinctDates() {
    static const GeneratedJournal journal([] {
        auto trips = generatedTrips(kEntries);
        const biteclock::DateSerial first = biteclock::dateSerial(2000, 1, 1);
        for (std::size_t i = 0; i < trips.size(); ++i) {
            trips[i].date = first + static_cast<biteclock::DateSerial>(i);
            const biteclock::CalendarDate c = biteclock::calendarDate(trips[i].date);
            trips[i].entry.day = std::to_string(c.day);
            trips[i].entry.month = std::to_string(c.month);
            trips[i].entry.year = std::to_string(c.year);
        }
        return trips;
    }());
    return journal;
}

TripPlace auckland() {
    TripPlace place;
    place.observer = biteclock::observerFromDegrees(-36.85, 174.75, 12);
    return place;
}

TripPlace newYorkZone() {
    TripPlace place;
    place.observer = biteclock::observerFromDegrees(40.7, -74, -5);
    place.offsets = std::make_shared<const ZoneDateOffsets>(*ZoneDateOffsets::named("America/New_York"));
    return place;
}

void listTrips(benchmark::State& state, const GeneratedJournal& journal, const TripPlace& place) {
    for (auto _ : state) {
        const auto trips = readTripLog(journal.folder(), place);
        if (trips.size() != static_cast<std::size_t>(kEntries)) {
            state.SkipWithError("not every entry was listed");
            return;
        }
        benchmark::DoNotOptimize(trips.data());
    }
    state.counters["entries"] = kEntries;
    state.counters["us_per_entry"] = benchmark::Counter(
        kEntries, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ListTenThousandEntries(benchmark::State& state) {
    listTrips(state, repeatingDates(), auckland());
}
BENCHMARK(BM_ListTenThousandEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListTenThousandEntriesEachOnItsOwnDay(benchmark::State& state) {
    listTrips(state, distinctDates(), auckland());
}
BENCHMARK(BM_ListTenThousandEntriesEachOnItsOwnDay)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListTenThousandEntriesInNewYorksZone(benchmark::State& state) {
    listTrips(state, repeatingDates(), newYorkZone());
}
BENCHMARK(BM_ListTenThousandEntriesInNewYorksZone)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the trips window and the command line do with the list: the statistics and the CSV.
void BM_StatsAndCsvOfTenThousandTrips(benchmark::State& state) {
    const auto trips = readTripLog(repeatingDates().folder(), auckland());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tripStats(trips));
        benchmark::DoNotOptimize(tripsCsv(trips));
    }
}
BENCHMARK(BM_StatsAndCsvOfTenThousandTrips)->Unit(benchmark::kMillisecond);

} // namespace
