// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>

#include <cstdlib>

// Widget tests run on the offscreen platform unless told otherwise, and keep their settings in a
// folder of the run's own: none reads what a user or another run saved, or writes over it.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const kr::test::ScopedTempDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.Path()));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
