// "New Full List" end to end: the browser window against korvath-sim on loopback.

#include "app/commandids.h"
#include "net/refreshdriver.h"
#include "net/refreshstop.h"
#include "platform/posix/namedmutex.h"
#include "platform/posix/usernotice.h"
#include "tests/app/browsertesting.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/fakenotice.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/hostilemodes.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>

namespace kr::test {
namespace {

// Counts the progress bars a refresh puts into the status bar, and their steps.
class ProgressWatcher : public QObject {
public:
    explicit ProgressWatcher(CStatusBar* statusBar) { statusBar->installEventFilter(this); }

    int steps = 0, maximum = -1, bars = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
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
    QSet<QObject*> m_watched;
};

// The calls other threads carry over to the grid's thread (queued meta-calls), each handled here
// to see what it did: {progress steps, server rows filed}.
class CarriedCalls : public QObject {
public:
    CarriedCalls(CServerGrid& grid, const int& steps) : m_grid(grid), m_steps(steps) {
        grid.installEventFilter(this);
    }
    std::vector<std::pair<int, int>> done;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MetaCall) {
            return QObject::eventFilter(watched, event);
        }
        const int steps = m_steps, servers = Servers();
        watched->event(event);
        done.emplace_back(m_steps - steps, Servers() - servers);
        return true;
    }

private:
    int Servers() const {
        int count = 0;
        for (CGridTreeItem* version : Roots(m_grid)) {
            for (CGridTreeItem* type : Children(m_grid, version)) {
                count += m_grid.GetChildCount(type);
            }
        }
        return count;
    }
    CServerGrid& m_grid;
    const int& m_steps;
};

// The most resident memory the process grew by since construction, sampled every 20 ms while
// events are handled.
class PeakMemoryGrowth {
public:
    PeakMemoryGrowth() : m_start(ResidentKb()) {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_peak = std::max(m_peak, ResidentKb()); });
        m_timer.start(20);
    }
    long Kb() { return std::max(m_peak, ResidentKb()) - m_start; }

private:
    static long ResidentKb() {
        long pages = 0, resident = 0;
        std::ifstream("/proc/self/statm") >> pages >> resident;
        return resident * (sysconf(_SC_PAGESIZE) / 1024);
    }
    long m_start, m_peak = 0;
    QTimer m_timer;
};

class BrowserRefreshTest : public testing::Test {
protected:
    void TearDown() override { g_refreshStop.Reset(); }

    // Starts the simulator with the options and a fresh browser against it.
    void Start(const std::string& options) {
        m_run.reset();
        g_refreshStop.Reset();
        m_run = std::make_unique<BrowserOnSim>(Words(options));
        ASSERT_NE(m_run->browser, nullptr);
    }
    CMainFrame& Frame() { return m_run->Frame(); }
    CServerGrid& Grid() { return Frame().View().Grid(); }
    QString Pane0() { return Frame().StatusBar().GetPaneText(0); }
    // Every group opened, the tree consistent; what it files.
    Filing Filed() {
        ExpandAll(Grid());
        EXPECT_TRUE(GridInvariantsHold(Grid()));
        return FiledServers(Grid(), m_run->sim.Fleet());
    }

    ScopedTempDir m_dir{true};
    TestUpdateMutex m_mutex;
    std::unique_ptr<BrowserOnSim> m_run;
};

// The status texts, one progress bar stepped once a listed server, the five collapsed versions,
// and every answering server under its group in ping order, showing its texts and marks; a worker
// reaches the window's thread once a server, to file its row and step the bar in the same call.
TEST_F(BrowserRefreshTest, FullListFilesEveryAnsweringServerUnderItsGroupInPingOrder) {
    const std::pair<const char*, int> fleets[] = {
        {"--servers 40 --silent 10 --malformed 10 --delay 20 --delay-jitter 40 --random 7", 40},
        {"--servers 0", 0}};
    for (const auto& [options, listed] : fleets) {
        SCOPED_TRACE(options);
        ASSERT_NO_FATAL_FAILURE(Start(options));
        EXPECT_EQ(Pane0(), "Ready");
        FakeNotice recorder(GetUserNotice());
        ProgressWatcher progress(&Frame().StatusBar());
        CarriedCalls hops(Grid(), progress.steps);

        ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));

        EXPECT_EQ(recorder.StatusTexts(),
                  (std::vector<std::string>{"Contacting Master Server",
                                            std::to_string(listed) + " server(s)"}));
        EXPECT_EQ(progress.bars, 1);
        EXPECT_EQ(progress.maximum, listed);
        EXPECT_EQ(progress.steps, listed);
        EXPECT_EQ(std::count_if(hops.done.begin(), hops.done.end(), [](auto d) { return d.first; }),
                  listed);
        for (const auto& [steps, filed] : hops.done) {
            EXPECT_TRUE(steps == 1 ? filed <= 1 : filed == 0) << steps << " " << filed;
        }
        EXPECT_EQ(Pane0(), "Ready");
        EXPECT_EQ(Grid().GetItemCount(), 5);  // the versions, collapsed
        const Filing filed = Filed();
        EXPECT_EQ(filed, ExpectedFiling(m_run->sim.Fleet()));
        EXPECT_EQ(filed.empty(), listed == 0);  // five empty groups do not pass for a refresh
        EXPECT_EQ(m_run->sim.Stats().at("queries"), listed);
    }
}

// Closing during a refresh of silent servers: no query starts after the close, the ten in flight
// end with their time-out, then the window closes; "servers.txt" has the whole list.
TEST_F(BrowserRefreshTest, CloseDuringRefreshStopsItWithinTheTimeOut) {
    ASSERT_NO_FATAL_FAILURE(Start("--servers 200 --silent 100"));
    bool visibleAfterClose = false;
    bool closeHandledDuringRefresh = false;
    QTimer::singleShot(1000, [&] {
        closeHandledDuringRefresh = Frame().View().IsRefreshing();
        Frame().close();
        visibleAfterClose = Frame().isVisible();
    });
    const auto start = std::chrono::steady_clock::now();

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)) << "not 40 s";
    EXPECT_TRUE(closeHandledDuringRefresh);
    EXPECT_TRUE(visibleAfterClose);     // held while the queries in flight ended
    EXPECT_FALSE(Frame().isVisible());  // carried out then
    EXPECT_EQ(m_run->sim.Stats().at("queries"), 10);
    EXPECT_EQ(LineCount("servers.txt"), 200u);
}

// The window against every hostile peer: each refresh ends in bounded time and memory with the
// rows it must give; a master silent mid-list gets the failure box and its status text, the
// groups left as they were. The endless master is cut at 65,535 addresses, and the window closed
// while their queries run.
TEST_F(BrowserRefreshTest, HostilePeersEndInBoundedTimeAndMemory) {
    for (const HostileMode& c : HostileModes()) {
        SCOPED_TRACE(c.what);
        ScopedTempDir dir(true);
        m_run.reset();
        m_run = std::make_unique<BrowserOnSim>(c.simOptions);
        ASSERT_NE(m_run->browser, nullptr);
        g_refreshStop.Reset();
        FakeNotice recorder(GetUserNotice());
        MessageBoxWatcher boxes;
        PeakMemoryGrowth memory;
        if (c.endless) {
            QTimer::singleShot(6000, [this] { Frame().close(); });
        }
        const auto start = std::chrono::steady_clock::now();

        Frame().SendCommand(ID_NEW_FULL_LIST);

        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        EXPECT_LT(memory.Kb(), 1024 * 1024);
        EXPECT_EQ(LineCount("servers.txt"), c.listed);
        if (c.endless) {
            EXPECT_TRUE(GridInvariantsHold(Grid()));
        } else {
            EXPECT_EQ(Filed(),
                      c.copies > 0 ? ExpectedFiling(m_run->sim.Fleet(), c.copies) : Filing());
        }
        ASSERT_EQ(boxes.seen.size(), c.Fails() ? 1u : 0u);
        for (const MessageBoxWatcher::Seen& box : boxes.seen) {
            EXPECT_EQ(box.text + "|" + box.title,
                      "Connection To Master Server Failed|KR Server Browser");
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(Pane0(), "Failed to call Master Server");
        }
        const std::vector<std::string> texts = recorder.StatusTexts();
        EXPECT_EQ(c.endless, std::count(texts.begin(), texts.end(),
                                        "Master list too long: first 65535 server(s) kept") == 1);
        EXPECT_EQ(Frame().isVisible(), !c.endless);
    }
}

// 2,000 servers with random delays while the user works the window: groups opened and closed by
// key and double-click, scrolling, Enter on rows, the window resized. The tree stays consistent
// and every server is filed exactly once.
TEST_F(BrowserRefreshTest, WindowWorkedDuringALargeRefreshFilesEveryServerOnce) {
    ASSERT_NO_FATAL_FAILURE(
        Start("--servers 2000 --per-page 255 --delay-jitter 30 --silent 1 --random 11"));
    ProgressWatcher progress(&Frame().StatusBar());
    std::mt19937 random(5);
    QTimer user;
    int actions = 0;
    QObject::connect(&user, &QTimer::timeout, [&] {
        CServerGrid& grid = Grid();
        const int rows = grid.GetItemCount();
        const Qt::Key keys[] = {Qt::Key_Down,  Qt::Key_Up,      Qt::Key_PageDown, Qt::Key_PageUp,
                                Qt::Key_Home,  Qt::Key_End,     Qt::Key_Return,   Qt::Key_Plus,
                                Qt::Key_Minus, Qt::Key_Asterisk};
        const unsigned action = random() % (std::size(keys) + 3);
        ++actions;
        if (action < std::size(keys)) {  // + - * from the keypad
            QTest::keyClick(&grid, keys[action], action >= 7 ? Qt::KeypadModifier : Qt::NoModifier);
        } else if (action == std::size(keys) && rows > 0) {
            CRect row;
            grid.GetItemRect(static_cast<int>(random() % rows), &row, LVIR_BOUNDS);
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                               QPoint(row.left + 30, (row.top + row.bottom) / 2));
        } else if (action == std::size(keys) + 1) {
            grid.verticalScrollBar()->setValue(static_cast<int>(random() % 1000));
        } else {
            Frame().resize(300 + static_cast<int>(random() % 900),
                           200 + static_cast<int>(random() % 700));
        }
    });
    user.start(5);

    Frame().SendCommand(ID_NEW_FULL_LIST);
    user.stop();

    EXPECT_GT(actions, 100);
    EXPECT_EQ(progress.steps, 2000);
    EXPECT_TRUE(GridInvariantsHold(Grid()));
    EXPECT_EQ(Filed(), ExpectedFiling(m_run->sim.Fleet()));
}

// Another copy of the program, stopped while it holds the workers' mutex: the refresh waits for
// it as described (nothing is filed or counted), and a close still closes, within a wait step.
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
    ASSERT_NO_FATAL_FAILURE(Start("--servers 20"));
    ProgressWatcher progress(&Frame().StatusBar());
    QTimer::singleShot(1500, [this] { Frame().close(); });
    const auto start = std::chrono::steady_clock::now();

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(progress.steps, 0);
    kill(holder, SIGKILL);
    waitpid(holder, &status, 0);
}

}  // namespace
}  // namespace kr::test
