// The main window's speed: the daily refresh, a date step, the first painted window, and the
// resident memory after start-up. Run offscreen with settings in a temporary folder.
#include "date_entry.h"
#include "main_window.h"
#include "new_york_home.h"
#include "qt_time_zone_source.h"
#include "recording_services.h"
#include "spinner.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Desk {
    Desk() { storeNewYorkHome(store); }

    /// With `inNewYork` the computer's zone is New York's with its rules, so that every date takes
    /// its own offset; otherwise a stand-in that knows today's offset only (one offset for all).
    std::unique_ptr<MainWindow> open(bool inNewYork = false) {
        const biteclock::TimeZoneSource& computer =
            inNewYork ? static_cast<const biteclock::TimeZoneSource&>(newYork) : zones;
        auto w = std::make_unique<MainWindow>(MainWindowServices{store, messages, help, launcher, clock,
                                                                 computer, QStringLiteral("/opt/biteclock")});
        w->show();
        return w;
    }

    SettingsStore store;
    RecordingMessageService messages;
    RecordingHelpService help;
    RecordingProcessLauncher launcher;
    FixedClock clock{QDate(2000, 3, 15)};
    biteclock::FixedTimeZoneSource zones{easternZone()};
    QtTimeZoneSource newYork{QTimeZone("America/New_York"),
                             QDateTime(QDate(2000, 3, 15), QTime(17, 0), Qt::UTC)};
};

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

void BM_FirstPaintedWindow(benchmark::State& state) {
    Desk desk;
    long rss = 0;
    for (auto _ : state) {
        auto w = desk.open();
        benchmark::DoNotOptimize(w->grab());
        rss = residentKilobytes();
    }
    state.counters["resident_MB"] = static_cast<double>(rss) / 1024.0;
}
BENCHMARK(BM_FirstPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Activateform(benchmark::State& state) {
    Desk desk;
    auto w = desk.open(state.range(0) != 0);
    for (auto _ : state) {
        w->Activateform();
    }
}
BENCHMARK(BM_Activateform)->Unit(benchmark::kMillisecond)->ArgName("newYork")->Arg(0)->Arg(1);

void BM_DayStep(benchmark::State& state) {
    Desk desk;
    auto w = desk.open(state.range(0) != 0);
    bool up = true;
    for (auto _ : state) {
        if (up) {
            w->dateEntry()->UpDown1()->stepUp();
        } else {
            w->dateEntry()->UpDown1()->stepDown();
        }
        up = !up;
    }
}
BENCHMARK(BM_DayStep)->Unit(benchmark::kMillisecond)->ArgName("newYork")->Arg(0)->Arg(1);

} // namespace
