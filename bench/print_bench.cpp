// One month's calendar page with every box ticked: to a PDF file, and on the recording printer
// (the almanac's share of the time).
#include "almanac_day.h"
#include "calendar_page.h"
#include "pdf_page_file.h"
#include "recording_page_writer.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

CalendarRequest everyBox(int year, int month) {
    CalendarRequest r;
    r.year = year;
    r.month = month;
    r.options.prediction = r.options.sunrise = r.options.moonrise = r.options.majorMinor = r.options.newFull =
        true;
    r.location.zoneName = QStringLiteral("Custom");
    return r;
}

biteclock::Observer newYork() {
    return biteclock::observerFromDegrees(40.7128, -74.006, -5);
}

void BM_MonthPageToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("month.pdf"));
    const CalendarRequest request = everyBox(2000, 3);
    for (auto _ : state) {
        // A new context each time: the first page a program prints.
        biteclock::AlmanacDay day;
        day.observer = newYork();
        PrintJob job;
        job.build = [&day, &request](PageWriter& writer) { return CalendarPage(day, writer).write(request); };
        benchmark::DoNotOptimize(writePdfPage(path, job));
    }
}
BENCHMARK(BM_MonthPageToPdf)->Unit(benchmark::kMillisecond);

void BM_MonthPageRecorded(benchmark::State& state) {
    const CalendarRequest request = everyBox(2000, 3);
    for (auto _ : state) {
        biteclock::AlmanacDay day;
        day.observer = newYork();
        RecordingPageWriter writer;
        benchmark::DoNotOptimize(CalendarPage(day, writer).write(request));
    }
}
BENCHMARK(BM_MonthPageRecorded)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
