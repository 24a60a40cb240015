// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/browsernotice.h"
#include "app/linkrelay.h"
#include "app/mainframe.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

// The application: settings, the command line, the main window. Made once by main(), which
// reads the command line before the QApplication exists, so --help and --version need no display.
class CBrowserApp {
    Q_DECLARE_TR_FUNCTIONS(CBrowserApp)

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
    // Reads the command line (--master HOST[:PORT], --demo, --help, --version, and one join link,
    // korvath://HOST:PORT); answers --help and --version on standard output. The options of
    // Qt's window system (-platform NAME, -style NAME, -reverse, ...) are let through for the
    // QApplication. Needs no window system, only a QCoreApplication.
    bool ParseCommandLine(const QStringList& arguments);
    // With a join link on the command line: hands it to a running copy (CLinkRelay). True when
    // that copy took it, and this one has nothing left to do; --master and --demo, which only a
    // new window uses, are then named on standard error. Needs only a QCoreApplication.
    bool HandLinkToRunningCopy() const;
    // Why ParseCommandLine refused the command line (also written to standard error); empty
    // when it did not.
    const QString& CommandLineError() const { return m_commandLineError; }
    // Shows CommandLineError() in a message box, for a start where nobody sees standard error.
    // Needs the QApplication; returns once the box is closed.
    void ShowCommandLineError() const;
    // Reads the settings, builds the main window and shows it, and listens for the links later
    // copies hand over. Each one, and the command line's, is offered once the window is up
    // (OfferJoin), one question at a time. Needs the QApplication.
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
    // How many links wait while a question about another one is open.
    static constexpr size_t kMaxWaitingLinks = 8;

    // Asks about the link's server (AskToJoin), and then about each server that came meanwhile,
    // in turn. While a question is open a link only joins the waiting ones (a server asked about
    // or waiting already is not added again); past kMaxWaitingLinks it is dropped, and the status
    // bar says how many were. A text that is not a join link is ignored. O(kMaxWaitingLinks).
    void OfferJoin(const QString& link);
    // Brings the window to the front and asks "Join HOST:PORT?" (AskToStartGame). Returns once
    // the question and the start are done.
    void AskToJoin(const ServerAddress& server);
    static void AddQtOptions(QCommandLineParser& parser);
    // Writes the message to standard error and keeps it; sets the exit code 2. Returns false.
    bool RefuseCommandLine(const QString& message);
    void LoadStdProfileSettings();
    void SaveStdProfileSettings() const;

    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CLinkRelay> m_pLinkRelay;  // listens while the main window is up
    CBrowserNotice m_notice;
    QStringList m_recentFiles;
    int m_exitCode = 0;
    bool m_bDemo = false;            // --demo: add the "Demo" menu
    QString m_joinLink;              // the command line's join link; empty without one
    QStringList m_newWindowOptions;  // those of --master and --demo given, as help names them
    QString m_commandLineError;      // see CommandLineError()
    std::optional<ServerAddress> m_asking;     // the server of the open question, if any
    std::deque<ServerAddress> m_waitingLinks;  // the servers to ask about next, in arrival order
    int m_droppedLinks = 0;                    // links dropped while the questions go on
};
