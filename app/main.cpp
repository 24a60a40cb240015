#include "app/browserapp.h"
#include "app/programtranslations.h"
#include "platform/posix/heapreuse.h"

#include <QApplication>

int main(int argc, char** argv) {
    KeepFreedHeapForReuse();
    CBrowserApp browser;
    {
        // The command line is read before the window system is reached: --help, --version, a
        // bad option and a join link a running copy takes answer on a machine without a display.
        QCoreApplication commandLine(argc, argv);
        const CProgramTranslations commandLineTexts;
        if (!browser.ParseCommandLine(QCoreApplication::arguments())) {
            return browser.ExitCode();
        }
        if (browser.HandLinkToRunningCopy()) {
            return 0;
        }
    }
    QApplication application(argc, argv);
    const CProgramTranslations texts;  // for the system locale, before any window is made
    if (!browser.CreateMainWindow()) {
        return browser.ExitCode();
    }
    const int exitCode = application.exec();
    browser.ExitInstance();
    return exitCode;
}
