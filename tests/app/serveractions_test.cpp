// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does with the servers a refresh found: refresh again, context menus, copy, the
// details pane.

#include "app/commandids.h"
#include "app/passworddlg.h"
#include "app/profilesettings.h"
#include "app/recentservers.h"
#include "app/serverdetailspane.h"
#include "tests/app/browsertesting.h"
#include "tests/app/standingame.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace kr::test {
namespace {

using namespace std::string_literals;

// F5 once, then Ctrl+R twice: each Refresh List downloads and queries the whole list anew and
// rewrites the rows in place; Ctrl+R and F6 pressed during it are greyed and do nothing, and so
// do F5 and the New Full List button, as real key and mouse events; an F5 after the first refresh
// still asks nothing. The pane tells what answered.
TEST(ServerActionsTest, RefreshListRunsAWholeNewRefreshWheneverNoneIsRunning) {
    const TestUpdateMutex mutex;
    const ScopedTempDir dir(true);
    BrowserOnSim run({"--servers", "12", "--silent", "25"});
    ASSERT_NE(run.browser, nullptr);
    CMainFrame& frame = *run.browser->MainFrame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    int answering = 0;
    for (const FleetEntry& server : run.sim.Fleet()) {
        answering += server.Answers();
    }
    const QString answered = QString("%1 of 12 answered").arg(answering);
    std::vector<int> rowCounts;
    QWidget* button = frame.ToolBar().widgetForAction(frame.Action(ID_NEW_FULL_LIST));
    ASSERT_NE(qobject_cast<QToolButton*>(button), nullptr);
    EXPECT_FALSE(frame.Action(ID_QUICK_JOIN)->isEnabled()) << "no server rows yet";
    int greyedMeanwhile = 0;  // each refresh greys Ctrl+R, F6 and Ctrl+J, which then do nothing
    QObject::connect(&frame.View(), &CBrowserView::refreshStarted, &frame, [&] {
        greyedMeanwhile += !frame.Action(ID_REFRESH_LIST)->isEnabled() &&
                           !frame.Action(ID_QUERY_SHOWN)->isEnabled() &&
                           !frame.Action(ID_QUICK_JOIN)->isEnabled();
        QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(&frame, Qt::Key_F6);
        QTest::keyClick(&frame, Qt::Key_F5);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    for (const bool again : {false, true, false, true}) {
        again ? QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier)
              : QTest::keyClick(&frame, Qt::Key_F5);
        int shown = 0;
        int all = 0;
        frame.View().Grid().CountServerRows(shown, all);
        rowCounts.push_back(all);
        EXPECT_EQ(frame.StatusBar().GetPaneText(CMainFrame::kAnsweredPane), answered) << again;
    }
    EXPECT_EQ(greyedMeanwhile, 4);
    EXPECT_TRUE(frame.Action(ID_REFRESH_LIST)->isEnabled() &&
                frame.Action(ID_QUICK_JOIN)->isEnabled());
    EXPECT_GT(rowCounts[0], 0);
    EXPECT_EQ(rowCounts, std::vector<int>(4, rowCounts[0]));
    const std::map<std::string, long> stats = run.sim.Stats();
    EXPECT_EQ(stats.at("master_requests"), 3);
    EXPECT_EQ(stats.at("queries"), 36);
    EXPECT_EQ(LineCount("servers.txt"), 36u);
    EXPECT_EQ(frame.View().Grid().GetItemCount(), 5) << "nothing was expanded";
}

// The texts of the popup menu that opens while `gesture` runs ("*" marks a checked item, a
// disabled one is in brackets); its item `choose` is triggered, then the menu is closed.
QStringList PopupTexts(const std::function<void()>& gesture, const QString& choose = {}) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                const QString text = (action->isChecked() ? "*" : "") + action->text();
                texts << (action->isSeparator() ? QString("-")
                          : action->isEnabled() ? text
                                                : "(" + text + ")");
                if (action->text() == choose) {
                    action->trigger();
                }
            }
            menu->close();
        }
    });
    poll.start(20);
    gesture();
    QTest::qWait(100);
    return texts;
}

// An active browser window with a server of each address filed under 1.00 VLD, both groups
// expanded and the first server selected: rows 1.00, VLD, the servers from row 2 on, TDM, DM.
class ServerRowsTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& addresses) {
        m_browser = StartBrowser({});
        ASSERT_NE(m_browser, nullptr);
        for (size_t n = 0; n < addresses.size(); ++n) {
            ServerRecord record = MakeRecord("1.00", "VLD", std::to_string(20 + n));
            record.m_address = addresses[n];
            AddServerRow(record, &Grid());
        }
        Grid().RevealNode(Children(Grid(), Grid().FindGroupNode("1.00", "VLD")).front());
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    CMainFrame& Frame() { return *m_browser->MainFrame(); }
    CServerGrid& Grid() { return Frame().View().Grid(); }
    QPoint At(int row) { return RowPoint(Grid(), row); }

    std::unique_ptr<CBrowserApp> m_browser;
};

// The right button selects the row under it first; the
// Menu key and Shift+F10 open the menu of the selected row; the header's offers each column to
// show or hide (Server and Ip:Port always shown) and Reset Columns.
// Copy and the group tool tip.
TEST_F(ServerRowsTest, ContextMenusCopyAndToolTipsFollowTheRow) {
    Open({"127.0.0.1:27001", "127.0.0.1:27002"});
    CMainFrame& frame = Frame();
    CServerGrid& grid = Grid();
    const auto event = [&](QContextMenuEvent::Reason reason, int row) {
        QContextMenuEvent e(reason, At(row), grid.viewport()->mapToGlobal(At(row)));
        QApplication::sendEvent(grid.viewport(), &e);
    };
    const QStringList server = {
        "&Join", "&Query Again",       "&Copy Address",     "Copy Join &Link",
        "-",     "Add to &Favourites", "(F&orget Password)"};
    const QStringList group = {"E&xpand All", "&Collapse"};
    const QStringList reset = {"Reset Columns"};
    QContextMenuEvent onHeader(QContextMenuEvent::Mouse, {}, grid.mapToGlobal(QPoint()));
    const auto header = [&] {
        QApplication::sendEvent(grid.GetHeaderCtrl()->viewport(), &onHeader);
    };
    QStringList columns = {"*Group",   "*Ping",      "(*Server)",  "*Map", "*Players", "*Mod",
                           "*Private", "*Dedicated", "(*Ip:Port)", "-",    reset[0]};
    EXPECT_EQ(PopupTexts(header, "Map"), columns);
    columns[3] = "Map";
    const std::tuple<std::function<void()>, int, QStringList> cases[] = {
        {[&] { event(QContextMenuEvent::Mouse, 1); }, 1, group},
        {[&] { QTest::keyClick(&grid, Qt::Key_Menu); }, 1, group},
        {[&] { event(QContextMenuEvent::Keyboard, 3); }, 1, {}},  // the keys above open it
        {[&] { event(QContextMenuEvent::Mouse, 2); }, 2, server},
        {[&] { QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier); }, 2, server},
        {header, 2, columns},
    };
    grid.SetColumnWidth(2, 999);
    for (const auto& [gesture, selected, texts] : cases) {
        EXPECT_EQ(PopupTexts(gesture, reset[0]), texts) << selected;
        EXPECT_EQ(grid.GetSelectedRow(), selected);
    }
    EXPECT_TRUE(grid.GetColumnWidth(2) == 193 && grid.IsColumnShown(3)) << "Reset Columns";

    // Ctrl+C on the server row, Copy Join Link from its menu, Ctrl+C on a group row: nothing.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    const std::pair<std::function<void()>, QString> copies[] = {
        {[&] { QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier); }, "127.0.0.1:27001"},
        {[&] { frame.Action(ID_COPY_JOIN_LINK)->trigger(); }, "korvath://127.0.0.1:27001"},
        {[&] {
             grid.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
             QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
         },
         "korvath://127.0.0.1:27001"}};
    for (const auto& [copy, text] : copies) {
        copy();
        EXPECT_EQ(clipboard->text(), text);
    }

    for (const auto& [search, tip] :
         {std::pair{"", "2 server(s)"}, {"27002", "2 server(s), 1 shown"}}) {
        ServerFilter filter;
        filter.m_strSearch = search;
        grid.SetFilter(filter);
        QHelpEvent help(QEvent::ToolTip, At(0), grid.viewport()->mapToGlobal(At(0)));
        QApplication::sendEvent(grid.viewport(), &help);
        EXPECT_EQ(QToolTip::text(), tip);
    }
}

// Rows 2 to 4: one server with room, one full, one that no longer answers.
// Each is queried again first; the last two ask, and only a Yes starts the game on the address
// and records it among the recently played.
TEST_F(ServerRowsTest, JoinQueriesTheServerAgainAndAsksWhenItCannotTakeAPlayer) {
    FakeGameServers servers({{InfoReply(0x86, "open", 1, 3, 16, "m", "", 0)},
                             {InfoReply(0x86, "full", 1, 16, 16, "m", "", 0)},
                             {{}, true}});
    Open({servers.Address(0), servers.Address(1), servers.Address(2)});
    CMainFrame& frame = Frame();
    CServerGrid& grid = Grid();
    const std::tuple<int, std::function<void(QPoint)>, QMessageBox::StandardButton, std::string>
        cases[] = {
            {0, [&](QPoint at) { QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at); },
             QMessageBox::NoButton, ""},
            {1, [&](QPoint) { QTest::keyClick(&grid, Qt::Key_Return, Qt::ControlModifier); },
             QMessageBox::Cancel, "The server " + servers.Address(1) + " is full. Join it anyway?"},
            {2, [&](QPoint) { frame.Action(ID_JOIN_SERVER)->trigger(); }, QMessageBox::Yes,
             "The server " + servers.Address(2) + " does not answer. Join it anyway?"}};
    for (const auto& [server, gesture, answer, question] : cases) {
        const StandInGame game("+connect %a");
        MessageBoxWatcher boxes;
        boxes.answer = answer;
        grid.SetItemState(2 + server, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        gesture(At(2 + server));
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>(question.empty() ? 0 : 1, question));
        EXPECT_EQ(servers.Requests(server).size(), 1u) << "queried again first";
        const std::string started =
            answer == QMessageBox::Cancel ? "" : "+connect\n" + servers.Address(server) + "\n";
        QTest::qWait(started.empty() ? 300 : 0);  // a start that must not come would have by then
        EXPECT_EQ(started.empty() ? ReadWholeFile(game.path + ".out") : game.Arguments(), started);
        const RecentServer last = LoadRecentServers().value(0);
        const QString name = grid.GetInfo(grid.SelectedServerNode())->GetSubText(kNameSubText);
        EXPECT_EQ(last.address.toStdString() == servers.Address(server) && last.name == name,
                  !started.empty())
            << "recorded with its name when the game started";
    }
}

// A private server asks for its password, naming the server and its address, at once; Cancel
// starts nothing, OK starts the game with the password (4 KiB, control characters, quotes,
// blanks) as one argument after the saved password arguments. With no secret service, and with
// a session bus that never answers, "Remember" is greyed, its tool tip says why, a line says
// that the store did not answer, and the settings hold no password.
TEST_F(ServerRowsTest, JoinAsksAPrivateServerForItsPassword) {
    const ScopedTempDir dir;
    QLocalServer silentBus;  // takes connections, never answers
    ASSERT_TRUE(silentBus.listen(QString::fromStdString(dir.File("bus"))));
    FakeGameServers servers({{InfoReply(0x86, "vault", 1, 3, 16, "m", "", 0x04)}});
    Open({servers.Address(0)});
    const QString password = "\x01\t\"-p w\" 'x' %a\n" + QString(4096, 'p');
    // Cancel where no bus is; OK where the bus never answers, its dialog shown before the store's
    // 2 s are up.
    for (const auto& [bus, ok] : {std::pair{"none", false}, {"bus", true}}) {
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + dir.File(bus)).c_str(), 1);
        const StandInGame game("+connect %a");
        QString prompt;
        QString tip;
        bool shownBeforeTheAnswer = false;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* dialog = qobject_cast<CPasswordDlg*>(modal);
            shownBeforeTheAnswer |= dialog != nullptr && dialog->m_storeNote->isHidden();
            if (dialog != nullptr && dialog->m_storeNote->isVisible()) {  // the store answered
                prompt = dialog->m_text->text();
                tip = dialog->m_remember->isEnabled() ? "" : dialog->m_remember->toolTip();
                dialog->m_editPassword->setText(password);
                ok ? dialog->accept() : dialog->reject();
            }
        });
        Frame().Action(ID_JOIN_SERVER)->trigger();
        EXPECT_EQ(prompt.toStdString(),
                  "The server vault (" + servers.Address(0) + ") needs a password.");
        EXPECT_TRUE(tip.contains("never in a plain file") && (shownBeforeTheAnswer || !ok)) << bus;
        QTest::qWait(ok ? 0 : 300);  // a start that must not come would have by then
        EXPECT_EQ(ok ? game.Run() : ReadWholeFile(game.path + ".out"),
                  ok ? "+connect\0"s + servers.Address(0) + "\0+password\0"s +
                           password.toStdString() + '\0'
                     : "");
    }
    const QString settings = QFileInfo(CProfileSettings().fileName()).absolutePath();
    EXPECT_EQ(FilesHolding(settings.toStdString(), password.toStdString()).size(), 0u);
}

// Ctrl+J on rows ranked by ping (20, 21, ... ms; 3/16 players): each choice is queried again off
// the window's thread (a second Ctrl+J meanwhile does nothing), the next taken when it filled up or
// went silent, at most 3; the status bar says when nothing was joined: after 3 tries, or without a
// candidate (under the filter's 10 ms limit).
TEST_F(ServerRowsTest, QuickJoinTriesUpToThreeServersAndJoinsTheFirstWithRoom) {
    const FakeServerScript open{InfoReply(0x86, "open", 1, 3, 16, "m", "", 0)};
    const FakeServerScript full{InfoReply(0x86, "full", 1, 16, 16, "m", "", 0)};
    const std::tuple<std::vector<FakeServerScript>, int, size_t, QString> cases[] = {
        {{full, {{}, true}, open, open}, 0, 2, "Ready"},
        {{full, full, full, open},
         0,
         4,
         "Quick Join: the servers tried were full or did not answer"},
        {{open}, 10, 1, "Quick Join: no open server answers within 10 ms"}};
    for (const auto& [scripts, maxPing, joined, status] : cases) {
        FakeGameServers servers(scripts);
        std::vector<std::string> addresses;
        for (size_t n = 0; n < scripts.size(); ++n) {
            addresses.push_back(servers.Address(n));
        }
        m_browser.reset();
        Open(addresses);
        ServerFilter filter;
        filter.m_nMaxPing = maxPing;
        Grid().SetFilter(filter);
        const StandInGame game("+connect %a");
        QTest::keyClick(&Frame(), Qt::Key_J, Qt::ControlModifier);
        EXPECT_EQ(Frame().View().IsQuickJoining(), maxPing == 0) << "returns while it queries";
        QTest::keyClick(&Frame(), Qt::Key_J, Qt::ControlModifier);  // nothing while it runs
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Frame().View().IsQuickJoining(); }));
        for (size_t n = 0; n < scripts.size(); ++n) {
            EXPECT_EQ(servers.Requests(n).size(), maxPing == 0 && n < 3 ? 1u : 0u) << n;
        }
        EXPECT_EQ(Frame().StatusBar().GetPaneText(0), status);
        const bool started = joined < scripts.size();
        QTest::qWait(started ? 0 : 300);  // a start that must not come would have by then
        EXPECT_EQ(started ? game.Arguments() : ReadWholeFile(game.path + ".out"),
                  started ? "+connect\n" + servers.Address(joined) + "\n" : "");
    }
    // The window closed while a try is in flight: its answer comes back to no window (the suite
    // runs under the address sanitizer too).
    FakeGameServers slow({{InfoReply(0x86, "slow", 1, 3, 16, "m", "", 0), false, 300}});
    m_browser.reset();
    Open({slow.Address(0)});
    Grid().SetFilter(ServerFilter());
    QTest::keyClick(&Frame(), Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(Frame().View().IsQuickJoining());
    m_browser.reset();
    QTest::qWait(600);  // the reply has come by then
}

// Join on a row no game can join (port 0, as a master may list it) says why in a warning box.
TEST_F(ServerRowsTest, JoinSaysWhyARowCannotBeJoined) {
    Open({"127.0.0.1:0"});
    MessageBoxWatcher boxes;
    Grid().SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Frame().Action(ID_JOIN_SERVER)->trigger();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes.seen[0].text.starts_with("\"127.0.0.1:0\" is not a server address"));
}

// F9 shows the details pane, which follows the selection, a group row's counts, the row Enter
// rewrites, and the rows removed under it (never read once freed: the suite runs under the
// address sanitizer too); F9 hides it again.
TEST_F(ServerRowsTest, DetailsPaneFollowsTheSelectionTheRequeryAndRemovedRows) {
    FakeGameServers servers({{InfoReply(0x86, "fresh", 1, 3, 16, "m", "", 5)}});
    Open({servers.Address(0), "127.0.0.1:27002"});
    CServerGrid& grid = Grid();
    const CServerDetailsPane& pane = Frame().DetailsPane();
    const auto select = [&](int row) {
        grid.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    };
    // What the pane must show after each step, as a pattern.
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { QTest::keyClick(&grid, Qt::Key_F9); },
         "Address: " + QString::fromStdString(servers.Address(0))},
        {[&] { select(1); }, "1.00 VLD: 2 of 2 server\\(s\\) shown"},
        {[&] { select(3); }, "Address: 127.0.0.1:27002"},
        {[&] { select(2), QTest::keyClick(&grid, Qt::Key_Return); },
         "Name: fresh\\n(.*\\n)*Server: dedicated, needs a password\\n(.*\\n)*"
         "Pings this run \\(newest first\\): \\d+, 0 ms"},
        {[&] { grid.DeleteNodes([&](auto* node) { return grid.IsServerRow(node); }); },
         "^No server selected$"}};
    for (const auto& [step, pattern] : steps) {
        step();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return pane.Text().contains(QRegularExpression(pattern));
        })) << pattern.toStdString()
            << " in\n"
            << pane.Text().toStdString();
        EXPECT_TRUE(pane.isVisible() && Frame().Action(ID_VIEW_SERVER_DETAILS)->isChecked());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pane.findChild<QLabel*>())
                      ->text(QAccessible::Name),
                  pane.Text());
    }
    QTest::keyClick(&grid, Qt::Key_F9);
    EXPECT_TRUE(pane.isHidden());
}

// Join on a server that korvath-sim keeps full for its first 3 answers, then "Wait for a Slot" in
// the three-button question: the status bar tells the wait (queries 50 ms apart here) and the row
// follows the answers; when the slot opens the game starts at once ("Join when a slot opens"), or
// after Return in the question that asks for attention. Escape in the grid cancels, and so does
// joining by hand (Rejoin Last Server, its question answered with Return). The check box shows
// the last choice.
TEST_F(ServerRowsTest, WaitForASlotJoinsWhenItOpensAndEscapeOrAJoinCancels) {
    SimProcess sim({"--servers", "40", "--full-for", "3"});
    std::vector<std::string> open;  // open servers with room once no longer full
    for (const FleetEntry& server : sim.Fleet()) {
        if (server.kind == FleetEntry::Kind::Ok && (server.flags & 0x04) == 0 &&
            server.players >= 0 && server.players < server.maxPlayers && open.size() < 4) {
            open.push_back(server.address);
        }
    }
    ASSERT_EQ(open.size(), 4u);
    Open(open);
    using namespace std::chrono_literals;
    const auto escape = [&] { QTest::keyClick(&Grid(), Qt::Key_Escape); };
    const auto rejoin = [&] { Frame().Action(ID_REJOIN_LAST)->trigger(); };
    const std::tuple<bool, std::chrono::milliseconds, std::function<void()>, QString, int> cases[] =
        {{true, 50ms, nullptr, "A slot is open on %1", 0},
         {false, 50ms, nullptr, "A slot is open on %1", 1},
         {false, 60s, escape, "Stopped waiting for a slot on %1", -1},
         {false, 60s, rejoin, "Stopped waiting for a slot on %1", 1}};
    std::vector<bool> shownChecked;
    for (size_t n = 0; n < std::size(cases); ++n) {
        const auto& [joinWhenOpen, interval, end, status, joined] = cases[n];
        Frame().View().SetSlotWaitLimits({interval, 30min, 1min});
        const StandInGame game("+connect %a");
        QStringList questions;
        ModalWatcher watcher([&, joinWhenOpen = joinWhenOpen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box != nullptr && box->checkBox() != nullptr) {
                shownChecked.push_back(box->checkBox()->isChecked());
                box->checkBox()->setChecked(joinWhenOpen);
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == "Wait for a Slot") {
                        button->click();
                    }
                }
            } else if (box != nullptr) {
                questions << box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        Grid().SetItemState(2 + n, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Frame().Action(ID_JOIN_SERVER)->trigger();
        const CGridItemInfo& info = *Grid().GetInfo(Grid().SelectedServerNode());
        const QString name = info.GetSubText(kNameSubText);
        const QString fullPlayers = info.GetSubText(kPlayersSubText);
        EXPECT_EQ(Frame().StatusBar().GetPaneText(0),
                  "Waiting for a slot on " + name + " (" + QString(fullPlayers).remove(' ') + ")");
        EXPECT_TRUE(Frame().SlotWaitCancelButton().isVisible());
        if (end) {
            end();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Frame().View().IsWaitingForSlot(); }));
        EXPECT_EQ(Frame().StatusBar().GetPaneText(0), status.arg(name));
        EXPECT_FALSE(Frame().SlotWaitCancelButton().isVisible());
        QTest::qWait(joined < 0 ? 300 : 0);  // a start that must not come would have by then
        EXPECT_EQ(joined < 0 ? ReadWholeFile(game.path + ".out") : game.Arguments(),
                  joined < 0 ? "" : "+connect\n" + open[joined] + "\n");
        EXPECT_EQ(questions.size(), joinWhenOpen || joined < 0 ? 0 : 1) << n;
        EXPECT_NE(info.GetSubText(kPlayersSubText) == fullPlayers, interval < 1s)
            << "the row follows the answers";
    }
    EXPECT_EQ(shownChecked, (std::vector<bool>{false, true, false, false}));
}

}  // namespace
}  // namespace kr::test
