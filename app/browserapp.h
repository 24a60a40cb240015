#pragma once

#include "app/browsernotice.h"
#include "app/mainframe.h"

#include <QStringList>

#include <memory>

// The application: settings, the command line, the main window. Made once by main() around the
// QApplication; InitInstance builds and shows the window.
class CBrowserApp {
public:
    static constexpr int kRecentFileCount = 4;
    static constexpr int kExtraWidth = 20;  // the restored window is this much wider than default

    CBrowserApp() = default;
    ~CBrowserApp();

    // Reads the command line (--master HOST[:PORT], --help, --version) and the settings, builds
    // the main window and shows it. False when the program should end at once; ExitCode() then
    // tells with what (0 after --help or --version, 2 for a bad command line, 1 when the window
    // cannot be made).
    // arguments: the program's command line, program name first.
    bool InitInstance(const QStringList& arguments);
    int ExitCode() const { return m_exitCode; }

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    // The recent-file list as read from the settings (at most kRecentFileCount entries).
    const QStringList& RecentFiles() const { return m_recentFiles; }
    // The restored size a new main window gets before the extra width.
    static QSize DefaultFrameSize();

private:
    bool ParseCommandLine(const QStringList& arguments);
    void LoadStdProfileSettings();
    void SaveStdProfileSettings() const;

    std::unique_ptr<CMainFrame> m_pMainFrame;
    CBrowserNotice m_notice;
    QStringList m_recentFiles;
    int m_exitCode = 0;
};
