// The main of the window benchmarks: a sandboxed home (settings, data and runtime folders in a
// temporary folder, offscreen, fixed zone and locale), then Google Benchmark's own run.
#include "sandbox_home.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    const SandboxHome home;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
