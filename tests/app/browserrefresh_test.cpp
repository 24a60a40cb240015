// SPDX-License-Identifier: GPL-3.0-or-later
// "New Full List" end to end: the browser window against korvath-sim on loopback.

#include "app/commandids.h"
#include "app/profilesettings.h"
#include "net/refreshstop.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakenotice.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/stucklookup.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <set>

namespace kr::test {
namespace {

// Watches a refresh: the progress bars it puts into the status bar and their steps, and the calls
// other threads carry over to the grid's thread (queued meta-calls), each handled here to see what
// it did: {progress steps, server rows filed}.
class RefreshWatcher : public QObject {
public:
    explicit RefreshWatcher(CMainFrame& frame) : m_grid(frame.View().Grid()) {
        frame.StatusBar().installEventFilter(this);
        m_grid.installEventFilter(this);
    }

    int steps = 0, maximum = -1, bars = 0;
    std::vector<std::pair<int, int>> done;
    std::vector<std::pair<int, int>> dimmed;  // dimmed server rows before and after each call

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_grid && event->type() == QEvent::MetaCall) {
            const int before = steps, servers = Servers(), dimmedBefore = Dimmed();
            watched->event(event);
            done.emplace_back(steps - before, Servers() - servers);
            dimmed.emplace_back(dimmedBefore, Dimmed());
            return true;
        }
        auto* bar = event->type() == QEvent::ChildPolished
                        ? qobject_cast<CProgressBar*>(static_cast<QChildEvent*>(event)->child())
                        : nullptr;
        if (bar != nullptr && !m_watched.contains(bar)) {
            m_watched.insert(bar);
            ++bars;
            connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) {
                maximum = bar->maximum();
                steps += value > 0 ? 1 : 0;
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int Servers() const {
        int count = 0;
        for (const GroupNodeEntry& group : m_grid.GroupNodes()) {
            count += group.m_key.back() == '*' ? 0 : m_grid.GetChildCount(group.m_pNode);
        }
        return count;
    }
    int Dimmed() const {
        const std::vector<CGridTreeItem*> rows = ServerNodes(m_grid);
        return std::count_if(rows.begin(), rows.end(),
                             [this](CGridTreeItem* node) { return m_grid.IsDimmed(node); });
    }
    CServerGrid& m_grid;
    QSet<QObject*> m_watched;
};

const char kFavouritesSection[] = "Favourites/Servers";

class BrowserRefreshTest : public testing::Test {
protected:
    void TearDown() override {
        g_refreshStop.Reset();
        CProfileSettings().remove(kFavouritesSection);
    }

    // Starts the simulator with the options and a fresh browser against it.
    void Start(const std::vector<std::string>& options) {
        m_run.reset();
        g_refreshStop.Reset();
        m_run = std::make_unique<BrowserOnSim>(options);
        ASSERT_NE(m_run->browser, nullptr);
    }
    CMainFrame& Frame() { return *m_run->browser->MainFrame(); }
    CServerGrid& Grid() { return Frame().View().Grid(); }

    ScopedTempDir m_dir{true};
    TestUpdateMutex m_mutex;
    std::unique_ptr<BrowserOnSim> m_run;
};

// The status texts, one progress bar stepped once a listed server, the five collapsed versions,
// and every answering server under its group in ping order, showing its texts and marks; the
// query thread reaches the window's thread at most once a server, filing rows and stepping the
// bar for up to ten servers whose queries ended together in the same call.
TEST_F(BrowserRefreshTest, FullListFilesEveryAnsweringServerUnderItsGroupInPingOrder) {
    const std::pair<const char*, int> fleets[] = {
        {"--servers 40 --silent 10 --malformed 10 --delay 20 --delay-jitter 40 --random 7", 40},
        {"--servers 0", 0}};
    for (const auto& [options, listed] : fleets) {
        SCOPED_TRACE(options);
        ASSERT_NO_FATAL_FAILURE(Start(Words(options)));
        FakeNotice recorder(GetUserNotice());
        RefreshWatcher progress(Frame());
        // Enter on a filed server while the refresh runs queries it again and rewrites its row.
        bool pressed = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            for (const GroupNodeEntry& group : Grid().GroupNodes()) {
                if (pressed || group.m_key.back() == '*' || !Grid().HasChildren(group.m_pNode)) {
                    continue;  // a version's children are groups
                }
                CGridTreeItem* node = Children(Grid(), group.m_pNode).front();
                Grid().GetInfo(node)->m_arrSubTexts.set(1, "stale");
                Grid().RevealNode(node);  // selects it
                QTest::keyClick(&Grid(), Qt::Key_Return);
                pressed = Grid().GetInfo(node)->GetSubText(1) != "stale";
            }
        });
        user.start(20);

        ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));
        user.stop();

        EXPECT_EQ(recorder.StatusTexts(),
                  (std::vector<std::string>{"Contacting Master Server",
                                            std::to_string(listed) + " server(s)"}));
        EXPECT_EQ(std::tuple(progress.bars, progress.maximum, progress.steps),
                  std::tuple(1, listed, listed));
        EXPECT_LE(std::count_if(progress.done.begin(), progress.done.end(),
                                [](auto d) { return d.first; }),
                  listed);
        for (const auto& [steps, filed] : progress.done) {
            EXPECT_TRUE(steps <= 10 && filed <= steps) << steps << " " << filed;
        }
        EXPECT_EQ(Frame().StatusBar().GetPaneText(0), "Ready");
        EXPECT_EQ(Grid().GetItemCount(), 5);  // the versions, collapsed
        ExpandAll(Grid());
        EXPECT_TRUE(GridInvariantsHold(Grid()));
        const Filing filed = FiledServers(Grid());
        EXPECT_EQ(filed, ExpectedFiling(m_run->sim.Fleet()));
        EXPECT_EQ(filed.empty(), listed == 0);  // five empty groups do not pass for a refresh
        EXPECT_EQ(pressed, listed > 0);
        EXPECT_EQ(m_run->sim.Stats().at("queries"), listed + (pressed ? 1 : 0));
    }
}

// Another copy of the program, stopped while it holds the workers' mutex: the refresh waits for
// it as described (nothing is filed or counted), and a close still ends it, within a wait step.
// The window stays until the refresh has ended, then goes.
TEST_F(BrowserRefreshTest, CopyStoppedHoldingTheMutexStallsTheRefreshButNotTheClose) {
    std::unique_ptr<NamedMutex> mutex = NamedMutex::Open(m_mutex.name);  // mapped before the fork
    ASSERT_TRUE(mutex);
    const pid_t holder = fork();
    if (holder == 0) {
        mutex->LockFor(std::chrono::milliseconds(1000));
        raise(SIGSTOP);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, WUNTRACED), holder);
    ASSERT_TRUE(WIFSTOPPED(status));
    ASSERT_NO_FATAL_FAILURE(Start(Words("--servers 20")));
    RefreshWatcher progress(Frame());
    bool heldOnClose = false;
    QTimer::singleShot(1500, [&] {
        Frame().close();
        heldOnClose = Frame().View().IsRefreshing() && Frame().isVisible();
    });

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_TRUE(heldOnClose);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(progress.steps, 0);
    kill(holder, SIGKILL);
    waitpid(holder, &status, 0);
}

// A favourite whose name lookup never ends. F5 and Refresh List twice: each refresh ends once
// the lookups' time is up, and the favourite is the one row of the one "Favourites (no answer)".
// With all the time in the world, the window handles its events meanwhile: a close ends the wait.
TEST_F(BrowserRefreshTest, FavouriteWhoseLookupNeverEndsHoldsNeitherTheRefreshNorTheClose) {
    CProfileSettings().setValue(kFavouritesSection, QStringList{"never.test:5000"});
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing);
        ASSERT_NO_FATAL_FAILURE(Start(Words("--servers 1")));
        CMainFrame* frame = &Frame();
        const StuckLookups lookups(
            "never.test", closing ? std::chrono::hours(1) : std::chrono::milliseconds(50),
            [frame, closing] {
                if (closing) {
                    QMetaObject::invokeMethod(
                        frame, [frame] { frame->close(); }, Qt::QueuedConnection);
                }
            });
        std::vector<std::pair<int, size_t>> noAnswer;  // roots and their rows after each command
        for (const int command : {ID_NEW_FULL_LIST, ID_REFRESH_LIST, ID_REFRESH_LIST}) {
            frame->SendCommand(command);
            if (closing) {
                break;
            }
            int roots = 0;
            for (CGridTreeItem* root : Roots(Grid())) {
                roots += Grid().GetInfo(root)->m_strText == "Favourites (no answer)" ? 1 : 0;
            }
            CGridTreeItem* root = Grid().NoAnswerRoot();
            noAnswer.emplace_back(roots, root != nullptr ? Children(Grid(), root).size() : 0);
        }
        EXPECT_EQ(noAnswer, closing ? decltype(noAnswer)() : decltype(noAnswer)(3, {1, 1}));
        EXPECT_EQ(frame->isVisible(), !closing);
    }
}

// A master that drips its list, one address a page: the window handles its events during the
// download, and a close there ends the refresh before any query.
TEST_F(BrowserRefreshTest, CloseDuringASlowDownloadEndsTheRefresh) {
    ASSERT_NO_FATAL_FAILURE(Start(Words("--servers 40 --master-drip 200")));
    FakeNotice recorder(GetUserNotice());
    RefreshWatcher progress(Frame());
    QTimer::singleShot(0, &Frame(), [this] { Frame().close(); });
    Frame().SendCommand(ID_NEW_FULL_LIST);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(progress.bars, 0);
    EXPECT_EQ(recorder.StatusTexts(), std::vector<std::string>{"Contacting Master Server"});
}

// Refresh List after F5: each row waits dimmed until its answer rewrites it in place; the row of a
// server the new list does not name stays dimmed to the end and goes, a favourite's stays (it did
// not answer, and says so); the selection, what is expanded and the top row are kept.
TEST_F(BrowserRefreshTest, RefreshListKeepsTheListAndDimsRowsUntilTheyAnswer) {
    ASSERT_NO_FATAL_FAILURE(Start(Words("--servers 40 --silent 10 --random 5")));
    Frame().resize(640, 300);
    ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));
    Grid().Favourites().Add("127.0.0.1:2");
    for (const char* address : {"127.0.0.1:1", "127.0.0.1:2"}) {
        ServerRecord record = MakeRecord("1.40", "DM", "5", "gone");
        record.m_address = address;
        AddServerRow(record, &Grid());
    }
    ExpandAll(Grid());
    const std::vector<CGridTreeItem*> before = ServerNodes(Grid());
    CGridTreeItem* selected = before[before.size() - 3];  // the last server of the fleet's
    Grid().RevealNode(selected);
    const int top = Grid().GetTopIndex(), rows = Grid().GetItemCount();
    ASSERT_GT(top, 0);
    RefreshWatcher progress(Frame());
    Grid().SetSortOrder({SortKey::Server, false});  // the sort by a text keeps its own marks

    ASSERT_TRUE(Frame().SendCommand(ID_REFRESH_LIST));

    EXPECT_EQ(std::pair(progress.dimmed.front().first, progress.dimmed.back().second),
              std::pair(static_cast<int>(before.size()), 1));
    for (const auto& [dimmedBefore, dimmedAfter] : progress.dimmed) {
        EXPECT_LE(dimmedAfter, dimmedBefore);
    }
    const std::vector<CGridTreeItem*> after = ServerNodes(Grid());
    std::set<CGridTreeItem*> kept(before.begin(), before.end());
    kept.erase(before[before.size() - 2]);  // "127.0.0.1:1"
    EXPECT_EQ(std::set(after.begin(), after.end()), kept);
    EXPECT_EQ(RowText(*Grid().GetInfo(after.back())), "127.0.0.1:2|?|?|?/?|?|-1|-1");
    EXPECT_EQ(Grid().NodeFromRow(Grid().GetSelectedRow()), selected);
    EXPECT_EQ(std::pair(Grid().GetTopIndex(), Grid().GetItemCount()), std::pair(top, rows - 1));
    EXPECT_TRUE(GridInvariantsHold(Grid()));
}

// Query Shown Servers while the master is silent: only the rows the filter shows, in collapsed
// groups too, are asked again and rewritten, and go to the group their answer names; the master
// is not asked.
TEST_F(BrowserRefreshTest, QueryShownServersAsksOnlyTheShownRowsWithoutTheMaster) {
    ASSERT_NO_FATAL_FAILURE(Start(Words("--servers 6 --master-silent")));
    FakeNotice recorder(GetUserNotice());
    const std::vector<FleetEntry> fleet = m_run->sim.Fleet();
    std::multiset<std::string> expected;
    for (std::size_t i = 0; i < fleet.size(); ++i) {
        ServerRecord record = MakeRecord("1.00", "DM", i % 2 ? "500" : "50", "old");
        record.m_address = fleet[i].address;
        AddServerRow(record, &Grid());
        const std::string group = GroupKey(fleet[i]).empty() ? "1.00DM" : GroupKey(fleet[i]);
        expected.insert(i % 2 ? "1.00DM " + RowText(*MakeServerRowInfo(record))
                              : group + " " + ExpectedRowText(fleet[i]));
    }
    // A favourite that did not answer before answers now: it goes to its group, and
    // "Favourites (no answer)", left empty, goes.
    Grid().Favourites().Add(QString::fromStdString(fleet[0].address));
    ServerRecord lost = MakeRecord("9.99", "DM");
    lost.m_address = fleet[0].address;
    Grid().FileUngroupedFavourite(lost);
    expected.insert(GroupKey(fleet[0]) + " " + ExpectedRowText(fleet[0]));
    ServerFilter filter;
    filter.m_nMaxPing = 100;  // hides the odd ones
    Grid().SetFilter(filter);

    ASSERT_TRUE(Frame().SendCommand(ID_QUERY_SHOWN));

    std::multiset<std::string> rows;
    for (const GroupNodeEntry& group : Grid().GroupNodes()) {
        for (CGridTreeItem* node : Children(Grid(), group.m_pNode)) {
            if (Grid().IsServerRow(node)) {
                rows.insert(group.m_key + " " + RowText(*Grid().GetInfo(node)));
            }
        }
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(Grid().NoAnswerRoot(), nullptr);
    EXPECT_EQ(recorder.StatusTexts(), std::vector<std::string>{"4 server(s)"});
    const std::map<std::string, long> stats = m_run->sim.Stats();
    EXPECT_EQ(std::pair(stats.at("queries"), stats.at("master_requests")), std::pair(4L, 0L));
}

}  // namespace
}  // namespace kr::test
