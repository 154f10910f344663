// The trips window over a large journal (2000 trips, about thirty years of weekend trips): reading
// the folder with every date's almanac and showing the list, typing a filter word with the
// statistics in front, and sorting by date. The window is shown offscreen and painted.
#include "journal_file.h"
#include "recording_file_chooser.h"
#include "recording_services.h"
#include "trip_stats_view.h"
#include "trips_filter.h"
#include "trips_model.h"
#include "trips_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr int kTrips = 2000;

struct TripsDesk {
    TripsDesk() {
        place.observer = biteclock::observerFromDegrees(51.5, -0.1, 0);
        QDir().mkpath(folder);
        static const char* const kCatches[] = {"Poor", "Fair", "Good", "Excellent"};
        static const char* const kBaits[] = {"worms", "lures", "squid", "crab", "mackerel strip"};
        for (int n = 1; n <= kTrips; ++n) {
            const biteclock::CalendarDate d =
                biteclock::calendarDate(biteclock::dateSerial(1995, 1, 7) + n * 5);
            biteclock::JournalEntry entry;
            entry.day = std::to_string(d.day);
            entry.month = std::to_string(d.month);
            entry.year = std::to_string(d.year);
            entry.catchRating = kCatches[n % 4];
            entry.quantity = std::to_string(n % 13);
            entry.tripTime = n % 3 == 0 ? "3 hrs" : "06:00 - 09:30";
            entry.notes = "Pier with " + std::string(kBaits[n % 5]) + "\r\nWater clear, light wind";
            QFile file(folder + QStringLiteral("/jour%1.dat").arg(n));
            const std::string bytes = biteclock::writeJournalFile(entry);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                    static_cast<qint64>(bytes.size())) {
                throw std::runtime_error("a journal file could not be written");
            }
        }
    }

    std::unique_ptr<TripsWindow> open() {
        auto window = std::make_unique<TripsWindow>(
            folder, [this] { return place; }, messages, files);
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    TripPlace place;
    RecordingMessageService messages;
    RecordingFileChooser files;
};

void BM_OpenTrips(benchmark::State& state) {
    TripsDesk desk;
    for (auto _ : state) {
        auto window = desk.open();
        benchmark::DoNotOptimize(window->grab());
        if (window->model().rowCount() != kTrips) {
            state.SkipWithError("the journal was not read whole");
        }
    }
}

void BM_FilterWithStatistics(benchmark::State& state) {
    TripsDesk desk;
    auto window = desk.open();
    window->tabs()->setCurrentWidget(window->statsView());
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // A word typed letter by letter, then cleared.
        for (const char* text : {"w", "wo", "wor", "worm", "worms", ""}) {
            window->filterBox()->setText(QString::fromLatin1(text));
            QCoreApplication::processEvents();
        }
        benchmark::DoNotOptimize(window->grab());
    }
    if (window->statsView()->stats().trips != kTrips) {
        state.SkipWithError("the statistics do not count every trip");
    }
}

void BM_SortByDate(benchmark::State& state) {
    TripsDesk desk;
    auto window = desk.open();
    for (auto _ : state) {
        window->table()->sortByColumn(TripsModel::DateColumn, Qt::DescendingOrder);
        window->table()->sortByColumn(TripsModel::DateColumn, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
    }
}

} // namespace

BENCHMARK(BM_OpenTrips)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FilterWithStatistics)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond)->Iterations(5);
