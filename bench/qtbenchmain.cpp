// SPDX-License-Identifier: GPL-3.0-or-later
// main() for benchmarks of widgets: a QApplication on the offscreen platform (unless told
// otherwise) around the benchmark run, with the heap set up as the browser sets it, and the
// settings in a folder of the run's own, so a user's saved filter or speed changes no figure and
// a benchmark's choice never reaches the user.

#include "platform/posix/heapreuse.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QSettings>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    KeepFreedHeapForReuse();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const kr::test::ScopedTempDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.Path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
