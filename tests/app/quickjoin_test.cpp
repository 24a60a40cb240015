// Quick Join through Ctrl+J: each choice queried again, the next taken when it cannot take a
// player, the game started on the first that can; the status bar says when none could.

#include "app/commandids.h"
#include "tests/app/browsertesting.h"
#include "tests/app/standingame.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakegameservers.h"

#include <gtest/gtest.h>
#include <QTest>

namespace kr::test {
namespace {

// Four rows ranked by their ping (20 to 23 ms, 3/16 players); the servers answer as scripted.
TEST(QuickJoinTest, CtrlJTriesUpToThreeServersAndJoinsTheFirstWithRoom) {
    const FakeServerScript open{InfoReply(0x86, "open", 1, 3, 16, "m", "", 0)};
    const FakeServerScript full{InfoReply(0x86, "full", 1, 16, 16, "m", "", 0)};
    const FakeServerScript silent{{}, true};
    const std::tuple<std::vector<FakeServerScript>, int, std::vector<size_t>, int, QString>
        cases[] = {{{full, silent, open, open}, 0, {1, 1, 1, 0}, 2, ""},
                   {{full, full, full, open},
                    0,
                    {1, 1, 1, 0},
                    -1,
                    "Quick Join: the servers tried were full or did not answer"},
                   {{open}, 10, {0}, -1, "Quick Join: no open server answers within 10 ms"}};
    for (const auto& [scripts, maxPing, requests, joined, status] : cases) {
        FakeGameServers servers(scripts);
        const std::unique_ptr<CBrowserApp> browser = StartBrowser({});
        ASSERT_NE(browser, nullptr);
        CMainFrame& frame = *browser->MainFrame();
        CServerGrid& grid = frame.View().Grid();
        EXPECT_FALSE(frame.Action(ID_QUICK_JOIN)->isEnabled()) << "greyed without servers";
        for (size_t n = 0; n < scripts.size(); ++n) {
            ServerRecord record = MakeRecord("1.00", "VLD", std::to_string(20 + n));
            record.m_address = servers.Address(n);
            AddServerRow(record, &grid);
        }
        ServerFilter filter;
        filter.m_nMaxPing = maxPing;
        grid.SetFilter(filter);
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        const StandInGame game("+connect %a");
        QTest::keyClick(&frame, Qt::Key_J, Qt::ControlModifier);
        for (size_t n = 0; n < scripts.size(); ++n) {
            EXPECT_EQ(servers.Requests(n).size(), requests[n]) << n;
        }
        EXPECT_EQ(frame.StatusBar().GetPaneText(0), status.isEmpty() ? "Ready" : status);
        QTest::qWait(joined < 0 ? 300 : 0);  // a start that must not come would have by then
        EXPECT_EQ(joined < 0 ? ReadWholeFile(game.path + ".out") : game.Arguments(),
                  joined < 0 ? "" : "+connect\n" + servers.Address(joined) + "\n");
    }
}

}  // namespace
}  // namespace kr::test
