// SPDX-License-Identifier: GPL-3.0-or-later
// The browser as a desktop program: command line, window, bars, menus, settings and trace lines.

#include "app/appicons.h"
#include "app/commandids.h"
#include "app/profilesettings.h"
#include "app/serverdetailspane.h"
#include "net/tmutex.h"
#include "platform/posix/usernotice.h"
#include "tests/app/browsertesting.h"
#include "tests/support/childprocess.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

namespace kr::test {
namespace {

// The real program on a session without a display: it answers or rejects its command line
// before it would need one.
TEST(BrowserDesktopTest, CommandLineIsAnsweredWithoutADisplay) {
    const struct {
        std::vector<std::string> arguments;
        std::string output;
        int exitCode;
    } cases[] = {
        {{"--help"}, "--master <HOST[:PORT]>", 0},
        {{"--help-all"}, "[korvath://HOST:PORT]", 0},
        {{"korvath://127.0.0.1:0"}, "", 2},
        {{"korvath://--help:1"}, "", 2},
        {{"korvath://-foo:27015"}, "", 2},
        {{"--version"}, "Korvath Servers Browser 0.3.0\n", 0},
        {{"-platform", "xcb", "-reverse", "--style=fusion", "-qwindowgeometry", "9x9", "--version"},
         "\nLicense GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n",
         0},
        {{"--bogus"}, "", 2},
        {{"extra"}, "", 2}};
    const ScopedTempDir dir(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const ChildRun run = RunChild(KR_BROWSER_PATH, c.arguments, 0, 0,
                                      {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.out.find(c.output), std::string::npos) << run.out;
    }
}

// A refused command line's message also shows in a box, for a start where nobody sees standard
// error (main() decides that).
TEST(BrowserDesktopTest, ARefusedCommandLineCanShowItsMessageInABox) {
    CBrowserApp browser;
    EXPECT_FALSE(browser.ParseCommandLine(
        {"korvath-browser", "korvath://127.0.0.1:1", "korvath://127.0.0.1:2"}));
    MessageBoxWatcher boxes;
    browser.ShowCommandLineError();
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Unexpected argument: korvath://127.0.0.1:2"});
}

// A first start: title, default size, idle status bar, the grid filling the view from (-1, -1).
// Place, size, toolbar area and the bars' visibility are written at the end of a run and read
// at the next start. The toolbar hidden from the window's own menu, which names it by its title,
// unchecks View > Toolbar. Each bar's View command then shows and hides it, its check mark in step.
TEST(BrowserDesktopTest, FirstStartThenWindowAndBarsComeBackAsTheyWereLeft) {
    CProfileSettings().clear();  // a first start, whatever earlier windows of the run left behind
    const QRect placed(40, 50, 700, 500);
    {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        EXPECT_EQ(frame.windowTitle().toStdString(), "Korvath Servers Browser");
        EXPECT_EQ(frame.size(), CBrowserApp::DefaultFrameSize() + QSize(20, 0));
        QStringList panes;
        for (int i = 0; i < frame.StatusBar().GetCount(); ++i) {
            panes << frame.StatusBar().GetPaneText(i);
        }
        EXPECT_EQ(panes, QStringList({"Ready", "", "", "CAP", "NUM", "SCRL"}));
        for (const QSize size : {frame.size(), QSize(300, 200)}) {
            frame.resize(size);
            QCoreApplication::processEvents();
            CBrowserView& view = frame.View();
            EXPECT_EQ(view.Grid().geometry(), QRect(-1, -1, view.width(), view.height()));
            EXPECT_TRUE(view.Grid().isVisible());
        }

        frame.setGeometry(placed);
        frame.addToolBar(Qt::LeftToolBarArea, &frame.ToolBar());
        const std::unique_ptr<QMenu> menu(frame.createPopupMenu());
        const QList<QAction*> entries = menu->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [](QAction* a) { return a->text() == "Toolbar"; });
        ASSERT_NE(entry, entries.end());
        (*entry)->trigger();
        menu->setParent(nullptr);
        EXPECT_FALSE(frame.Action(ID_VIEW_TOOLBAR)->isChecked());
        frame.SendCommand(ID_VIEW_STATUS_BAR);
        browser->ExitInstance();
    }
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    EXPECT_EQ(frame.geometry(), placed);
    EXPECT_EQ(frame.toolBarArea(&frame.ToolBar()), Qt::LeftToolBarArea);
    for (const auto& [id, bar] : {std::pair<int, QWidget*>{ID_VIEW_STATUS_BAR, &frame.StatusBar()},
                                  {ID_VIEW_TOOLBAR, &frame.ToolBar()}}) {
        EXPECT_TRUE(bar->isHidden() && !frame.Action(id)->isChecked()) << id << ": as left";
        for (const bool visible : {true, false, true}) {
            EXPECT_TRUE(frame.SendCommand(id));
            EXPECT_EQ(bar->isVisible(), visible) << id;
            EXPECT_EQ(frame.Action(id)->isChecked(), visible) << id;
        }
    }
}

// Dragged column widths and hidden columns come back at the next start (a hidden one with its
// width); a stored width that is not a number from 0 to 4,000 gets its described width, and
// every column does when the count is wrong; a stored hidden column that is not the index of a
// column that may be hidden is passed over.
TEST(BrowserDesktopTest, ColumnWidthsComeBackAndHostileOnesFallBackToTheDescribedOnes) {
    const QList<int> described{77, 34, 193, 150, 50, 110, 18, 18, 125};
    const QList<int> dragged{0, 40, 300, 4000, 50, 110, 18, 18, 200};
    const std::tuple<QVariant, QVariant, QList<int>, QList<int>> cases[] = {
        {QVariant(), QVariant(), dragged, {3, 5}},  // none stored: what the run before saved
        {QStringList{"-1", "4001", "99999", "x", "", "1e3", "4000", "0", " 7"},
         QStringList{"x", "-1", "9", "2", "8", "4", "4", " 6", "", "1e1"},
         {77, 34, 193, 150, 50, 110, 4000, 0, 7},
         {4, 6}},
        {QStringList{"10", "10"}, QStringList(100000, "1"), described, {1}}};
    for (const auto& [stored, storedHidden, expected, expectedHidden] : cases) {
        CProfileSettings().clear();
        CProfileSettings().setValue("Main Window/Column Widths", stored);
        CProfileSettings().setValue("Main Window/Hidden Columns", storedHidden);
        for (int run = stored.isValid() ? 1 : 0; run < 2; ++run) {
            auto browser = StartBrowser({});
            ASSERT_NE(browser, nullptr);
            CServerGrid& grid = browser->MainFrame()->View().Grid();
            QList<int> widths, hidden;
            for (int col = 0; col < grid.GetColumnCount(); ++col) {
                widths << grid.GetShownWidth(col);
                hidden << (grid.IsColumnShown(col) ? QList<int>() : QList<int>{col});
                grid.SetShownWidth(col, dragged.value(col));
                grid.ShowColumn(col, col != 3 && col != 5);
            }
            EXPECT_EQ(widths, run == 0 ? described : expected) << run;
            EXPECT_EQ(hidden, run == 0 ? QList<int>() : expectedHidden) << run;
            browser->ExitInstance();
        }
    }
    CProfileSettings().clear();  // later tests of this run start with the described columns
}

// The details pane comes back where it was left, shown; a stored state of the version before it
// or garbage leaves it hidden at the bottom.
TEST(BrowserDesktopTest, DetailsPaneComesBackAndAStateOfAnotherVersionFallsBack) {
    CProfileSettings().clear();
    QByteArray left;
    QByteArray before;
    {
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        frame.SendCommand(ID_VIEW_SERVER_DETAILS);
        frame.addDockWidget(Qt::RightDockWidgetArea, &frame.DetailsPane());
        before = frame.saveState();
        browser->ExitInstance();
        left = CProfileSettings().value("Main Window/Bars").toByteArray();
    }
    const std::tuple<QByteArray, bool, Qt::DockWidgetArea> cases[] = {
        {left, true, Qt::RightDockWidgetArea},
        {before, false, Qt::BottomDockWidgetArea},
        {QByteArray("\xff\0garbage", 9), false, Qt::BottomDockWidgetArea}};
    for (const auto& [stored, shown, area] : cases) {
        CProfileSettings().setValue("Main Window/Bars", stored);
        auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        EXPECT_EQ(frame.DetailsPane().isVisible(), shown);
        EXPECT_EQ(frame.Action(ID_VIEW_SERVER_DETAILS)->isChecked(), shown);
        EXPECT_EQ(frame.dockWidgetArea(&frame.DetailsPane()), area);
    }
    CProfileSettings().clear();
}

// Two buttons with a gap between them, then Quick Join, their tips and prompts; the menus
// (separators shown as "-") offer no full-list item; ids without a handler are refused. The
// window's icon sizes, crisp toolbar images, its desktop name, message boxes parented to it, and
// Ctrl+Q closing it.
TEST(BrowserDesktopTest, ToolBarMenusIconsMessageBoxesAndTheDesktopEntry) {
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    const QList<QAction*> actions = frame.ToolBar().actions();
    QStringList buttons;
    for (QAction* action : actions) {
        buttons << (action->isSeparator() ? "-"
                                          : action->toolTip() + "|" + action->statusTip() + "|" +
                                                action->shortcut().toString());
    }
    EXPECT_EQ(buttons, QStringList({"New Full List|Display a new full list of servers|F5", "-",
                                    "About|Display program information, version number and "
                                    "copyright|",
                                    "-",
                                    "Quick Join|Join the shown server with the most players and "
                                    "a low ping|Ctrl+J"}));
    EXPECT_TRUE(frame.ToolBar().isMovable());
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions()) {
        menus << menu->text() + ":";
        for (QAction* item : menu->menu()->actions()) {
            menus << (item->isSeparator() ? "-" : item->text());
        }
    }
    EXPECT_EQ(
        menus.join(' ').toStdString(),
        "&File: &Print... Print Pre&view P&rint Setup... - &Game Settings... - E&xit &View: "
        "&Toolbar &Status Bar &Filter Bar F&ind Server Sort &By Sort by Clicking Column Headers "
        "Server &Details &Servers: &Refresh List Query &Shown Servers - Quic&k Join &Join &Query "
        "Again &Copy Address Copy Join &Link - Add to &Favourites F&orget Password - Rejoin "
        "Las&t Server Recently &Played - Cancel &Waiting &Help: &About ...");
    EXPECT_FALSE(frame.SendCommand(ID_EDIT_CUT));
    EXPECT_FALSE(frame.SendCommand(ID_FILE_NEW));

    const QList<QSize> sizes = {{16, 16}, {24, 24},   {32, 32},  {48, 48},
                                {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(frame.windowIcon().availableSizes(), sizes);
    // At a device pixel ratio of 2 a button has twice the pixels, and they are not doubled ones.
    for (int n = 0; n < 2; ++n) {
        const QImage image =
            ToolBarIcon(n).pixmap(QSize(kToolButtonWidth, kToolButtonHeight), 2.0).toImage();
        ASSERT_EQ(image.size(), QSize(2 * kToolButtonWidth, 2 * kToolButtonHeight)) << n;
        const QImage doubled = image.scaled(kToolButtonWidth, kToolButtonHeight)
                                   .scaled(image.size());  // every pixel taken twice each way
        EXPECT_NE(image, doubled) << "button " << n << " is a pixel-doubled copy";
    }
    // The dock groups the window with its launcher: both carry the same name.
    EXPECT_EQ(QGuiApplication::desktopFileName(), "korvath-browser");
    EXPECT_NE(ReadWholeFile(KR_DESKTOP_FILE).find("\nStartupWMClass=korvath-browser\n"),
              std::string::npos);

    MessageBoxWatcher boxes;
    GetUserNotice()->ShowMessageBox("Connection To Master Server Failed", "KR Server Browser",
                                    NoticeIcon::Exclamation);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].parent, &frame);
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);

    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);  // quits as File > Exit does
    EXPECT_FALSE(frame.isVisible());
}

// The settings live in korvath/korvath-browser.conf. The first start with none takes over the
// values earlier versions saved, once: the old file stays, and what changes in it later does not
// come over again.
TEST(BrowserDesktopTest, SettingsOfEarlierVersionsComeOverOnce) {
    const QString file = CProfileSettings().fileName();
    EXPECT_TRUE(file.endsWith("/korvath/korvath-browser.conf")) << file.toStdString();
    QFile::remove(file);
    QSettings old(QSettings::NativeFormat, QSettings::UserScope, "Korvath Servers Browser",
                  "Korvath Servers Browser");
    for (const char* recent : {"first.txt", "later.txt"}) {
        old.setValue("Recent File List/File1", recent);
        old.sync();
        const auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->RecentFiles(), QStringList{"first.txt"}) << recent;
    }
    EXPECT_TRUE(QFileInfo::exists(old.fileName()));
    old.clear();  // for the tests after this one
}

QStringList g_logged;

// The mutex's trace lines reach the logging category "korvath.trace" only when KR_TRACE=1 asks
// for them, a line each.
TEST(BrowserDesktopTest, TraceLinesGoToTheirLoggingCategoryWhenAskedFor) {
    const TestMutexName name;
    for (const bool asked : {false, true}) {
        asked ? setenv("KR_TRACE", "1", 1) : unsetenv("KR_TRACE");
        const auto browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        g_logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext& context, const QString& message) {
                g_logged << QString(context.category) + ": " + message;
            });
        TMutex(name.name).Wait();
        qInstallMessageHandler(previous);
        EXPECT_EQ(g_logged.join('|'),
                  asked ? "korvath.trace: Wait ok|korvath.trace: ~TMutex()" : "");
    }
    unsetenv("KR_TRACE");
    QLoggingCategory::setFilterRules("");
}

}  // namespace
}  // namespace kr::test
