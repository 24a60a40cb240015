// SPDX-License-Identifier: GPL-3.0-or-later
// The recently played servers: recorded with each game start, kept in the settings, listed in
// Servers > Recently Played and joined again from there or with Ctrl+Shift+Return.

#include "app/recentservers.h"
#include "app/commandids.h"
#include "app/profilesettings.h"
#include "tests/app/browsertesting.h"
#include "tests/app/standingame.h"

#include <gtest/gtest.h>
#include <QMenu>

namespace kr::test {
namespace {

QString Address(int n) {
    return QString("127.0.0.1:%1").arg(27000 + n);
}

QStringList RecentAddresses() {
    QStringList addresses;
    for (const RecentServer& server : LoadRecentServers()) {
        addresses << server.address;
    }
    return addresses;
}

// The shown items of the submenu as it opens ("-" for a separator, a greyed item in brackets).
QStringList MenuTexts(CMainFrame& frame) {
    auto* menu = qobject_cast<QMenu*>(frame.Action(ID_RECENT_CLEAR)->associatedObjects().value(0));
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (const QAction* item : menu->actions()) {
        const QString text = item->isSeparator() ? "-" : item->text();
        texts << (item->isVisible() ? item->isEnabled() ? text : "(" + text + ")" : QString());
    }
    texts.removeAll(QString());
    return texts;
}

// Joins go to the top, once (a server joined again moves up), at most 50; a history saved before
// the window opens is listed, the last 10, names cleaned for the menu and the time relative;
// Clear History empties it and is greyed then.
TEST(RecentServersTest, JoinsAreListedNewestFirstOnceEachUpToFiftyUntilCleared) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::pair<QString, qint64> again[] = {{"d", 3 * 86400 + 60},
                                                {QString(300, 'x'), 7260},
                                                {"\x01"
                                                 "Bad\u202Ename\n",
                                                 310},
                                                {"A&B", 0}};
    for (int n = 1; n <= 59; ++n) {
        RecordRecentServer(Address(n <= 55 ? n : n - 47), n <= 55 ? "s" : again[n - 56].first,
                           now.addSecs(n <= 55 ? -864000 : -again[n - 56].second));
    }
    const QStringList recent = RecentAddresses();
    EXPECT_EQ(recent.size(), kMaxRecentServers);
    EXPECT_EQ(recent.mid(4, 2) + recent.mid(47),
              QStringList({Address(55), Address(54), Address(8), Address(7), Address(6)}));
    QStringList expected = {"A&&B  " + Address(12) + "  (just now)",
                            "Badname  " + Address(11) + "  (5 minutes ago)",
                            QString(39, 'x') + "…  " + Address(10) + "  (2 hours ago)",
                            "d  " + Address(9) + "  (3 days ago)"};
    for (int n = 55; n >= 50; --n) {
        expected << "s  " + Address(n) + "  (10 days ago)";
    }
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(MenuTexts(*browser->MainFrame()), expected + QStringList({"-", "Clear &History"}));
    browser->MainFrame()->Action(ID_RECENT_CLEAR)->trigger();
    EXPECT_EQ(MenuTexts(*browser->MainFrame()), QStringList({"-", "(Clear &History)"}));
}

// Ctrl+Shift+Return and an entry of the submenu ask first, as a join link does; only a game that
// started moves its server to the top (its name kept), with the time of the join.
TEST(RecentServersTest, RejoinAsksAndStartsTheGameOnTheServerJoinedLast) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addDays(-1);
    RecordRecentServer(Address(1), "first", before);
    RecordRecentServer(Address(2), "second", before);
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    CMainFrame& frame = *browser->MainFrame();
    const auto rejoin = [&] {
        frame.activateWindow();  // again after the last question
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const auto second = [&] { MenuTexts(frame), frame.Action(ID_RECENT_FIRST + 1)->trigger(); };
    const std::tuple<std::function<void()>, QMessageBox::StandardButton, int> cases[] = {
        {rejoin, QMessageBox::No, 2}, {rejoin, QMessageBox::Yes, 2}, {second, QMessageBox::Yes, 1}};
    for (const auto& [gesture, answer, server] : cases) {
        const StandInGame game("+connect %a");
        MessageBoxWatcher boxes;
        boxes.answer = answer;
        gesture();
        const std::string address = Address(server).toStdString();
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Join " + address + "?"});
        const RecentServer last = LoadRecentServers().value(0);
        EXPECT_EQ(last.address + last.name, Address(server) + (server == 1 ? "first" : "second"));
        EXPECT_EQ(last.time > before, answer == QMessageBox::Yes);
        EXPECT_EQ(answer == QMessageBox::Yes ? game.Arguments() : "",
                  answer == QMessageBox::Yes ? "+connect\n" + address + "\n" : "");
    }
}

// Of 10,000 entries, those without a port, with a port out of range, a bad time or an address
// seen before are skipped and the first 50 good ones kept; a name of 64 KiB is cut.
TEST(RecentServersTest, HostileEntriesAreSkippedAndTheFirstFiftyGoodOnesKept) {
    const std::pair<QString, QString> hostile[] = {
        {"localhost", ""},  {"a:0", ""}, {"a:65536", ""}, {"", ""}, {"127.0.0.1:2", "yesterday"},
        {"127.0.0.1:1", ""}};
    QStringList good;
    CProfileSettings settings;
    settings.beginWriteArray("Recently Played/Servers", 10000);
    for (int n = 0; n < 10000; ++n) {
        const QString address = QString("127.0.0.1:%1").arg(1 + n);
        const auto& [bad, badTime] = hostile[n / 3 % std::size(hostile)];
        good << (n % 3 == 0 ? address : QString());
        settings.setArrayIndex(n);
        settings.setValue("Address", n % 3 == 0 ? address : bad);
        settings.setValue("Name", QString(n == 0 ? 65536 : 1, 'n'));
        settings.setValue("Time",
                          n % 3 != 0 && !badTime.isEmpty() ? badTime : "2026-01-01T00:00:00Z");
    }
    settings.endArray();
    settings.sync();
    good.removeAll(QString());
    EXPECT_EQ(RecentAddresses(), good.mid(0, kMaxRecentServers));
    EXPECT_EQ(LoadRecentServers().first().name, QString(kMaxRecentNameLength, 'n'));
}

}  // namespace
}  // namespace kr::test
