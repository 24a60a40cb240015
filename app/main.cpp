// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browserapp.h"
#include "app/programtranslations.h"
#include "net/lastlist.h"
#include "platform/posix/heapreuse.h"

#include <QApplication>

#include <unistd.h>

namespace {
// A start from a desktop handler: nobody reads standard error, but a message box can be seen
// (a display is named, and Qt is not asked for a platform that shows nothing).
bool OnlyABoxIsSeen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return isatty(STDERR_FILENO) == 0 && !platform.startsWith("offscreen") &&
           !platform.startsWith("minimal") &&
           (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
}
}  // namespace

int main(int argc, char** argv) {
    KeepFreedHeapForReuse();
    CBrowserApp browser;
    bool parsed = false;
    {
        // The command line is read before the window system is reached: --help, --version, a
        // bad option and a join link a running copy takes answer on a machine without a display.
        QCoreApplication commandLine(argc, argv);
        const CProgramTranslations commandLineTexts;
        parsed = browser.ParseCommandLine(QCoreApplication::arguments());
        if (parsed && browser.HandLinkToRunningCopy()) {
            return 0;
        }
    }
    if (!parsed && (browser.CommandLineError().isEmpty() || !OnlyABoxIsSeen())) {
        return browser.ExitCode();
    }
    QApplication application(argc, argv);
    const CProgramTranslations texts;  // for the system locale, before any window is made
    if (!parsed) {
        browser.ShowCommandLineError();
        return browser.ExitCode();
    }
    SetLastListFile(DefaultLastListPath());  // the window's refreshes keep and use the last list
    if (!browser.CreateMainWindow()) {
        return browser.ExitCode();
    }
    const int exitCode = application.exec();
    browser.ExitInstance();
    return exitCode;
}
