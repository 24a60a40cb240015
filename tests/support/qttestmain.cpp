#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>

#include <cstdlib>

// Widget tests need a QApplication; they run on the offscreen platform unless told otherwise.
// Settings go to a folder of the test run's own, so no test reads what a user or another run
// saved, and none writes into the user's configuration.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const kr::test::ScopedTempDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.Path()));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
