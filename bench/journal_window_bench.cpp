// Opening a journal entry whose text is one very long unbroken line (about 1 MB, the largest file
// the journal reads whole), in the notes or in a one-line field: the window is shown offscreen and
// painted, so that the text is really laid out. Nothing here may take a second.
#include "almanac_day.h"
#include "daily_refresh.h"
#include "journal_file.h"
#include "journal_window.h"
#include "recording_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// What fills the long field: letters without a blank, a word of 7 letters and a blank, or a
// line of 80 letters and a line end.
enum class Run { Unbroken = 0, Words = 1, Lines = 2 };
enum class Field { Notes = 0, Temperature = 1, WindDirection = 2 };

std::string longText(Run run) {
    // Leave room for the labels and the quotes of the other items within the 1 MB the reader takes.
    constexpr std::size_t kLength = biteclock::kJournalFileMaxBytes - 1024;
    std::string text;
    text.reserve(kLength);
    for (std::size_t i = 0; text.size() < kLength; ++i) {
        if (run == Run::Words && i % 8 == 7) {
            text += ' ';
        } else if (run == Run::Lines && i % 82 == 80) {
            text += "\r\n";
            ++i;
        } else {
            text += static_cast<char>('a' + i % 26);
        }
    }
    return text;
}

struct JournalDesk {
    JournalDesk(Run run, Field field) {
        almanac.observer = biteclock::observerFromDegrees(51.5, -0.1, 0);
        biteclock::refreshDay(almanac, biteclock::dateSerial(2024, 7, 15), 15, false);
        biteclock::JournalEntry entry;
        entry.day = "12";
        entry.month = "3";
        entry.year = "1999";
        std::string text = longText(run);
        switch (field) {
        case Field::Notes:
            entry.notes = std::move(text);
            break;
        case Field::Temperature:
            entry.temperature = std::move(text);
            break;
        case Field::WindDirection:
            entry.windDirection = std::move(text);
            break;
        }
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/jour1.dat"));
        const std::string bytes = biteclock::writeJournalFile(entry);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                    static_cast<qint64>(bytes.size())) {
            throw std::runtime_error("the journal file could not be written");
        }
    }

    std::unique_ptr<JournalWindow> open() {
        auto form =
            std::make_unique<JournalWindow>(almanac, messages, &help, folder, clock, false, true, [](int) {
                QPixmap pixmap(32, 32);
                pixmap.fill(Qt::white);
                return pixmap;
            });
        form->resize(640, 560);
        form->show();
        QCoreApplication::processEvents();
        return form;
    }

    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    biteclock::AlmanacDay almanac;
    RecordingMessageService messages;
    RecordingHelpService help;
    FixedClock clock{QDate(2026, 5, 10)};
};

void BM_OpenLongEntry(benchmark::State& state) {
    JournalDesk desk(static_cast<Run>(state.range(0)), static_cast<Field>(state.range(1)));
    for (auto _ : state) {
        auto form = desk.open();
        benchmark::DoNotOptimize(form->grab());
    }
    if (!desk.messages.messages.isEmpty()) {
        state.SkipWithError("the entry was not read whole");
    }
}

} // namespace

// Arguments: the kind of run (0 unbroken, 1 words, 2 lines) and the field (0 notes, 1 temperature,
// 2 wind direction, an editable list).
BENCHMARK(BM_OpenLongEntry)
    ->ArgNames({"run", "field"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
