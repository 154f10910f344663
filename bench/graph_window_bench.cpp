// A date step in the main window with a 60-day graph: the date change, the lunar distance and the
// window painted again offscreen. Settings live in a temporary folder.
#include "date_entry.h"
#include "main_window.h"
#include "new_york_home.h"
#include "recording_services.h"
#include "spinner.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Desk {
    Desk() {
        storeNewYorkHome(store);
        store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("graphday"),
                    QStringLiteral("60"));
    }

    std::unique_ptr<MainWindow> open(int chartStyle) {
        store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("graphstyle"),
                    QString::number(chartStyle));
        auto w = std::make_unique<MainWindow>(MainWindowServices{store, messages, help, launcher, clock,
                                                                 zones, QStringLiteral("/opt/biteclock")});
        w->show();
        QCoreApplication::processEvents();
        return w;
    }

    SettingsStore store;
    RecordingMessageService messages;
    RecordingHelpService help;
    RecordingProcessLauncher launcher;
    FixedClock clock{QDate(2000, 3, 15)};
    biteclock::FixedTimeZoneSource zones{biteclock::TimeZoneInfo{}};
};

void dateStep(benchmark::State& state, int chartStyle) {
    Desk desk;
    auto w = desk.open(chartStyle);
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    bool up = true;
    for (auto _ : state) {
        if (up) {
            w->dateEntry()->UpDown1()->stepUp(); // datechanged and lundist
        } else {
            w->dateEntry()->UpDown1()->stepDown();
        }
        up = !up;
        QPainter painter(&image);
        w->render(&painter);
    }
    state.counters["rows"] = w->graphDays();
}

void BM_DateStep60Days2DBar(benchmark::State& state) {
    dateStep(state, 1);
}
void BM_DateStep60Days3DBar(benchmark::State& state) {
    dateStep(state, 0);
}
void BM_DateStep60Days3DArea(benchmark::State& state) {
    dateStep(state, 4);
}

} // namespace

BENCHMARK(BM_DateStep60Days2DBar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateStep60Days3DBar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateStep60Days3DArea)->Unit(benchmark::kMillisecond);
