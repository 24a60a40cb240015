// main() for benchmarks of widgets: a QApplication on the offscreen platform (unless told
// otherwise) around the benchmark run, with the heap set up as the browser sets it.

#include "platform/posix/heapreuse.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    KeepFreedHeapForReuse();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
