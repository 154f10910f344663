// The prediction chart redrawn offscreen with 60 rows, in a flat and a 3-D type.
#include "prediction_chart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    return *app;
}

QList<PredictionChart::Row> sixtyRows(int shift) {
    QList<PredictionChart::Row> rows;
    for (int i = 0; i < 60; ++i) {
        rows.append({QStringLiteral("%1/%2").arg(i % 31 + 1).arg(i / 31 + 3),
                     ((i + shift) % 4) * 33 + ((i + shift) % 4 == 3 ? 1 : 0)});
    }
    return rows;
}

// A date step: new rows, then the chart painted into an image of the window's size.
void redraw(benchmark::State& state, ChartType type) {
    application();
    PredictionChart chart;
    chart.resize(520, 340);
    chart.setChartType(type);
    chart.show();
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    int shift = 0;
    for (auto _ : state) {
        chart.setRows(sixtyRows(++shift));
        QPainter painter(&image);
        chart.render(&painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ChartRedraw60Rows2DBar(benchmark::State& state) {
    redraw(state, ChartType::Bar2D);
}
void BM_ChartRedraw60Rows3DBar(benchmark::State& state) {
    redraw(state, ChartType::Bar3D);
}
void BM_ChartRedraw60Rows3DStep(benchmark::State& state) {
    redraw(state, ChartType::Step3D);
}

} // namespace

BENCHMARK(BM_ChartRedraw60Rows2DBar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRedraw60Rows3DBar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRedraw60Rows3DStep)->Unit(benchmark::kMillisecond);
