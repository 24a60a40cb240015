// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browserapp.h"

#include "app/commandids.h"
#include "app/gamelauncher.h"
#include "app/joinlink.h"
#include "app/mastersettings.h"
#include "app/profilesettings.h"
#include "app/stringtable.h"
#include "app/tracelog.h"
#include "app/windowsettings.h"
#include "net/masterclient.h"
#include "platform/posix/trace.h"
#include "platform/qt/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {
// The name message boxes and --version show; the settings file is named by CProfileSettings.
constexpr char kProgramName[] = "Korvath Servers Browser";
constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kVersion[] = "0.3.0";
// What --version prints below the name and version, as GNU programs do.
constexpr char kLicenceLines[] =
    "Copyright (C) 2026 Korvath Servers Browser developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
}  // namespace

CBrowserApp::~CBrowserApp() {
    ExitInstance();
}

void CBrowserApp::ExitInstance() {
    if (m_pMainFrame != nullptr) {
        RememberAnsweredMaster();
    }
    SaveStdProfileSettings();
    SetUserNotice(nullptr);
    SetTraceSink(nullptr);
    m_pLinkRelay.reset();
    m_pMainFrame.reset();
}

bool CBrowserApp::InitInstance(const QStringList& arguments) {
    return ParseCommandLine(arguments) && CreateMainWindow();
}

bool CBrowserApp::CreateMainWindow() {
    QGuiApplication::setDesktopFileName("korvath-browser");
    CarryOverOldProfile();
    LoadStdProfileSettings();
    ApplyMasterSettings();
    SetUserNotice(&m_notice);
    InstallTraceLog();

    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_pMainFrame = std::make_unique<CMainFrame>(m_pPrinter.get());
    if (!m_pMainFrame->OnCreate()) {
        m_pMainFrame.reset();
        m_exitCode = 1;
        return false;
    }
    if (m_bDemo) {
        m_pMainFrame->AddDemoMenu();
    }
    AfxSetMainWnd(m_pMainFrame.get());
    if (!RestoreWindowSettings(*m_pMainFrame)) {
        const QSize size = DefaultFrameSize();
        m_pMainFrame->resize(size.width() + kExtraWidth, size.height());
    }
    m_pMainFrame->setWindowTitle(LoadResourceString(IDR_MAINFRAME));
    m_pMainFrame->show();

    m_pLinkRelay = std::make_unique<CLinkRelay>();
    QObject::connect(m_pLinkRelay.get(), &CLinkRelay::linkReceived, m_pMainFrame.get(),
                     [this](const QString& link) { OfferJoin(link); });
    m_pLinkRelay->Listen();  // without it this copy still works; later links start their own
    if (!m_joinLink.isEmpty()) {
        QTimer::singleShot(0, m_pMainFrame.get(), [this] { OfferJoin(m_joinLink); });
    }
    return true;
}

bool CBrowserApp::HandLinkToRunningCopy() const {
    if (m_joinLink.isEmpty() || !CLinkRelay::HandToRunningCopy(m_joinLink)) {
        return false;
    }
    if (!m_newWindowOptions.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("The link went to the window already open; %1 apply only to "
                                   "a new window and were not used.")
                                    .arg(m_newWindowOptions.join(", "))));
    }
    return true;
}

void CBrowserApp::OfferJoin(const QString& link) {
    std::optional<ServerAddress> server = ParseJoinLink(link);
    if (!server) {
        return;
    }
    if (m_asking) {
        const auto same = [&server](const ServerAddress& other) {
            return other.m_ip == server->m_ip && other.m_port == server->m_port;
        };
        if (same(*m_asking) || std::any_of(m_waitingLinks.begin(), m_waitingLinks.end(), same)) {
            return;
        }
        if (m_waitingLinks.size() < kMaxWaitingLinks) {
            m_waitingLinks.push_back(std::move(*server));
            return;
        }
        ++m_droppedLinks;
        m_pMainFrame->StatusBar().SetPaneText(
            0, tr("Join links dropped while a question was open: %1").arg(m_droppedLinks));
        return;
    }
    // The questions are asked here, one after the other: a link that comes while one is open
    // only waits, so no question ever opens inside another.
    m_asking = std::move(server);
    while (m_asking) {
        AskToJoin(*m_asking);
        m_asking.reset();
        if (!m_waitingLinks.empty()) {
            m_asking = std::move(m_waitingLinks.front());
            m_waitingLinks.pop_front();
        }
    }
    m_droppedLinks = 0;
}

void CBrowserApp::AskToJoin(const ServerAddress& server) {
    CMainFrame& frame = *m_pMainFrame;
    frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
    frame.raise();
    frame.activateWindow();
    AskToStartGame(QString::fromStdString(server.m_ip), uint16_t(server.m_port), &frame);
}

bool CBrowserApp::ParseCommandLine(const QStringList& arguments) {
    QCoreApplication::setOrganizationName(kProgramName);
    QCoreApplication::setApplicationName(kProgramName);
    QCoreApplication::setApplicationVersion(kVersion);
    QCommandLineParser parser;
    parser.setApplicationDescription(LoadResourceString(AFX_IDS_APP_TITLE));
    // Qt's options are single-dash words ("-platform offscreen"): ours are read the same way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption master(
        "master", tr("Master server to ask for the list; given again, the next one to try."),
        "HOST[:PORT]");
    parser.addOption(master);
    const QCommandLineOption demo(
        "demo", tr("Adds a Demo menu that reaches the grid's demonstration commands."));
    parser.addOption(demo);
    AddQtOptions(parser);
    parser.addPositionalArgument(
        "link", tr("Offers to join the server of a join link (in a copy already running, if any)."),
        "[korvath://HOST:PORT]");
    if (!parser.parse(arguments)) {
        return RefuseCommandLine(parser.errorText());
    }
    // Qt adds "--help-all" with the help option; it answers as "--help" does.
    const bool wantsHelp = parser.isSet(help) || parser.isSet("help-all");
    if (wantsHelp || parser.isSet(version)) {
        const QString text =
            wantsHelp ? parser.helpText()
                      : QCoreApplication::applicationName() + " " + kVersion + "\n" + kLicenceLines;
        std::fputs(qPrintable(text), stdout);
        m_exitCode = 0;
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return RefuseCommandLine(tr("Unexpected argument: %1").arg(positional.at(1)));
    }
    if (!positional.isEmpty()) {
        if (!ParseJoinLink(positional.first())) {
            return RefuseCommandLine(
                tr("Not a join link: %1 (expected korvath://HOST:PORT)").arg(positional.first()));
        }
        m_joinLink = positional.first();
    }
    m_bDemo = parser.isSet(demo);
    std::vector<MasterEndpoint> masters;
    for (const QString& text : parser.values(master)) {
        const std::optional<MasterEndpoint> endpoint = ParseMasterOption(text.toStdString());
        if (!endpoint) {
            return RefuseCommandLine(tr("Bad --master value: %1 (expected HOST[:PORT])").arg(text));
        }
        masters.push_back(*endpoint);
    }
    if (!masters.empty()) {
        UseCommandLineMasters(std::move(masters));
    }
    for (const QCommandLineOption* option : {&master, &demo}) {
        if (parser.isSet(*option)) {
            m_newWindowOptions << "--" + option->names().first();
        }
    }
    return true;
}

void CBrowserApp::AddQtOptions(QCommandLineParser& parser) {
    // The options QApplication reads (and removes from its arguments) when the window system is
    // reached; here they are only let through. Each takes a value but those named last.
    static const char* const kOptions[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "session",
                                           "display",
                                           "geometry",
                                           "title",
                                           "icon",
                                           "name",
                                           "visual",
                                           "style",
                                           "stylesheet",
                                           "qmljsdebugger",
                                           "reverse",
                                           "widgetcount",
                                           "sync",
                                           "nograb",
                                           "dograb",
                                           "testability"};
    constexpr size_t kFlags = 6;
    for (size_t n = 0; n < std::size(kOptions); ++n) {
        QCommandLineOption option(kOptions[n]);
        if (n + kFlags < std::size(kOptions)) {
            option.setValueName("VALUE");
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool CBrowserApp::RefuseCommandLine(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    m_commandLineError = message;
    m_exitCode = 2;
    return false;
}

void CBrowserApp::ShowCommandLineError() const {
    QMessageBox::critical(nullptr, kProgramName, m_commandLineError);
}

QSize CBrowserApp::DefaultFrameSize() {
    // As a window manager places a new window: three quarters of the available screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen != nullptr ? screen->availableSize() : QSize(1024, 768);
    return QSize(available.width() * 3 / 4, available.height() * 3 / 4);
}

void CBrowserApp::LoadStdProfileSettings() {
    CProfileSettings settings;
    settings.beginGroup(kRecentFileSection);
    m_recentFiles.clear();
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString file = settings.value(QString("File%1").arg(n)).toString();
        if (!file.isEmpty()) {
            m_recentFiles.append(file);
        }
    }
}

void CBrowserApp::SaveStdProfileSettings() const {
    if (m_pMainFrame == nullptr) {
        return;
    }
    SaveWindowSettings(*m_pMainFrame);
    CProfileSettings settings;
    settings.beginGroup(kRecentFileSection);
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString key = QString("File%1").arg(n);
        if (n <= m_recentFiles.size()) {
            settings.setValue(key, m_recentFiles.at(n - 1));
        } else {
            settings.remove(key);
        }
    }
}
