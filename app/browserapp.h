#pragma once

#include "app/browsernotice.h"
#include "app/mainframe.h"

#include <QPrinter>
#include <QStringList>

#include <memory>

// The application: settings, the command line, the main window. Made once by main(), which
// reads the command line before the QApplication exists, so --help and --version need no display.
class CBrowserApp {
public:
    static constexpr int kRecentFileCount = 4;
    static constexpr int kExtraWidth = 20;  // the restored window is this much wider than default

    CBrowserApp() = default;
    ~CBrowserApp();

    // ParseCommandLine, then CreateMainWindow. False when the program should end at once;
    // ExitCode() then tells with what (0 after --help or --version, 2 for a bad command line,
    // 1 when the window cannot be made).
    // arguments: the program's command line, program name first.
    bool InitInstance(const QStringList& arguments);
    // Reads the command line (--master HOST[:PORT], --demo, --help, --version); answers --help and
    // --version on standard output. Needs no window system, only a QCoreApplication.
    bool ParseCommandLine(const QStringList& arguments);
    // Reads the settings, builds the main window and shows it. Needs the QApplication.
    bool CreateMainWindow();
    int ExitCode() const { return m_exitCode; }
    // Saves the settings (the window's place among them) and closes the main window; main()
    // calls it before the QApplication ends, the destructor in case nobody did. Repeatable.
    void ExitInstance();

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    // The one printer of the application: Print Setup edits it, and Print and Print Preview use
    // it, so the choices made in either dialog hold for the next job; direct printing prints on a
    // copy of it and leaves it as it was. Made with
    // the main window (a printer needs the application object, which --help does not).
    QPrinter& Printer() { return *m_pPrinter; }
    // The recent-file list as read from the settings (at most kRecentFileCount entries).
    const QStringList& RecentFiles() const { return m_recentFiles; }
    // The restored size a new main window gets before the extra width.
    static QSize DefaultFrameSize();

private:
    void LoadStdProfileSettings();
    void SaveStdProfileSettings() const;

    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CBrowserNotice m_notice;
    QStringList m_recentFiles;
    int m_exitCode = 0;
    bool m_bDemo = false;  // --demo: add the "Demo" menu
};
