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
#include <map>
#include <random>

namespace kr::test {
namespace {

// Counts the steps of the progress bar that a refresh puts into the status bar.
class ProgressWatcher : public QObject {
public:
    explicit ProgressWatcher(CStatusBar* statusBar) { statusBar->installEventFilter(this); }

    int steps = 0, maximum = -1, bars = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            auto* bar = qobject_cast<CProgressBar*>(static_cast<QChildEvent*>(event)->child());
            if (bar != nullptr && !m_watched.contains(bar)) {
                m_watched.insert(bar);
                ++bars;
                connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) {
                    maximum = bar->maximum();
                    steps += value > 0 ? 1 : 0;
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QSet<QObject*> m_watched;
};

// The group a fleet server must be filed under; empty when it gets no row.
std::string ExpectedGroup(const FleetEntry& server) {
    static const std::map<int, std::string> versions = {
        {0x85, "1.00"}, {0x87, "1.10"}, {0x89, "1.20"}, {0x91, "1.30"}};
    static const std::map<int, std::string> types = {{0, "DM"}, {1, "VLD"}, {2, "TDM"}};
    if (!server.Answers() || !versions.contains(server.version) ||
        !types.contains(server.gameType)) {
        return "";
    }
    return versions.at(server.version) + types.at(server.gameType);
}

using Rows = std::map<std::string, std::vector<std::string>>;  // group key -> addresses, sorted

// Expands every group and collects the server rows by group, checking on the way that each game
// type's rows come in ping order.
Rows ExpandAndCollectRows(CServerGrid& grid) {
    Rows filed;
    int previousPing = 0;
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        CGridTreeItem* node = grid.NodeFromRow(row);
        if (grid.HasChildren(node) && grid.IsCollapsed(node)) {
            grid.ExpandNode(node, row);
        }
        if (grid.GetLevel(node) != 3) {
            previousPing = 0;
            continue;
        }
        const CGridItemInfo* info = grid.GetInfo(node);
        EXPECT_LE(previousPing, info->GetSubText(0).toInt()) << "ping order, row " << row;
        previousPing = info->GetSubText(0).toInt();
        CGridTreeItem* type = grid.GetParentNode(node);
        const QString group =
            grid.GetInfo(grid.GetParentNode(type))->m_strText + grid.GetInfo(type)->m_strText;
        filed[group.toStdString()].push_back(info->GetSubText(7).toStdString());
    }
    for (auto& [group, addresses] : filed) {
        std::sort(addresses.begin(), addresses.end());
    }
    return filed;
}

// The rows of a fleet listed `copies` times over.
Rows ExpectedRows(const std::vector<FleetEntry>& fleet, int copies) {
    Rows expected;
    for (int copy = 0; copy < copies; ++copy) {
        for (const FleetEntry& server : fleet) {
            if (const std::string group = ExpectedGroup(server); !group.empty()) {
                expected[group].push_back(server.address);
            }
        }
    }
    for (auto& [group, addresses] : expected) {
        std::sort(addresses.begin(), addresses.end());
    }
    return expected;
}

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
    void SetUp() override { g_refreshCount = 0; }
    void TearDown() override { g_refreshStop.Reset(); }

    // Starts the simulator with the options and the browser against it.
    void Start(const std::vector<std::string>& options) {
        m_sim = std::make_unique<SimProcess>(options);
        ASSERT_TRUE(m_sim->Started());
        m_browser = StartBrowser({"--master", QString::fromStdString(m_sim->MasterAddress())});
        ASSERT_NE(m_browser, nullptr);
    }
    CMainFrame& Frame() { return *m_browser->MainFrame(); }
    CServerGrid& Grid() { return Frame().View().Grid(); }
    QString Pane0() { return Frame().StatusBar().GetPaneText(0); }

    ScopedTempDir m_dir{true};
    TestUpdateMutex m_mutex;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<CBrowserApp> m_browser;
};

TEST_F(BrowserRefreshTest, FullListFilesEveryAnsweringServerUnderItsGroupInPingOrder) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "40", "--silent", "10", "--malformed", "10",
                                   "--delay", "20", "--delay-jitter", "40", "--random", "7"}));
    EXPECT_EQ(Pane0(), "Ready");
    FakeNotice recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));

    const std::vector<FleetEntry> fleet = m_sim->Fleet();
    const int listed = static_cast<int>(fleet.size());
    EXPECT_EQ(recorder.StatusTexts(),
              (std::vector<std::string>{"Contacting Master Server",
                                        std::to_string(listed) + " server(s)"}));
    EXPECT_EQ(progress.bars, 1);
    EXPECT_EQ(progress.maximum, listed);
    EXPECT_EQ(progress.steps, listed);
    EXPECT_EQ(Pane0(), "Ready");

    // Only the five version rows show, collapsed, each holding the servers of its version.
    const Rows expected = ExpectedRows(fleet, 1);
    ASSERT_EQ(Grid().GetItemCount(), 5);
    for (int row = 0; row < 5; ++row) {
        CGridTreeItem* version = Grid().NodeFromRow(row);
        const std::string text = "1." + std::to_string(row) + "0";
        EXPECT_TRUE(Grid().IsCollapsed(version));
        EXPECT_EQ(Grid().GetInfo(version)->m_strText.toStdString(), text);
        size_t held = 0, due = 0;
        for (CGridTreeItem* type : Children(Grid(), version)) {
            held += Children(Grid(), type).size();
        }
        for (const auto& [group, addresses] : expected) {
            due += group.starts_with(text) ? addresses.size() : 0;
        }
        EXPECT_EQ(held, due) << text;
    }

    const Rows filed = ExpandAndCollectRows(Grid());
    EXPECT_TRUE(GridInvariantsHold(Grid()));
    EXPECT_EQ(filed, expected);
    EXPECT_FALSE(filed.empty());
}

TEST_F(BrowserRefreshTest, EmptyListCountsZeroServers) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "0"}));
    FakeNotice recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_EQ(recorder.StatusTexts(),
              (std::vector<std::string>{"Contacting Master Server", "0 server(s)"}));
    EXPECT_EQ(progress.bars, 1);
    EXPECT_EQ(progress.steps, 0);
    EXPECT_EQ(m_sim->Stats().at("queries"), 0);
    EXPECT_EQ(Pane0(), "Ready");
}

// Closing during a refresh of silent servers: no query starts after the close, the ten in flight
// end with their time-out, then the window closes; "servers.txt" has the whole list.
TEST_F(BrowserRefreshTest, CloseDuringRefreshStopsItWithinTheTimeOut) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "200", "--silent", "100"}));
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
    EXPECT_EQ(m_sim->Stats().at("queries"), 10);
    const std::string serversFile = ReadWholeFile("servers.txt");
    EXPECT_EQ(std::count(serversFile.begin(), serversFile.end(), '\n'), 200);
}

// The window against every hostile peer: each refresh ends in bounded time and memory with the
// rows it must give; a master silent mid-list gets the failure box and its status text. The endless
// master is cut at 65,536 addresses, and the window closed while their queries run.
TEST_F(BrowserRefreshTest, HostilePeersEndInBoundedTimeAndMemory) {
    for (const HostileMode& c : HostileModes()) {
        SCOPED_TRACE(c.what);
        ScopedTempDir dir(true);
        m_browser.reset();
        g_refreshCount = 0;
        g_refreshStop.Reset();
        ASSERT_NO_FATAL_FAILURE(Start(c.simOptions));
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
        EXPECT_TRUE(GridInvariantsHold(Grid()));
        if (c.copies > 0) {
            EXPECT_EQ(ExpandAndCollectRows(Grid()), ExpectedRows(m_sim->Fleet(), c.copies));
        }
        ASSERT_EQ(boxes.seen.size(), c.Fails() ? 1u : 0u);
        for (const MessageBoxWatcher::Seen& box : boxes.seen) {  // groups left as they were
            EXPECT_EQ(box.text + "|" + box.title,
                      "Connection To Master Server Failed|KR Server Browser");
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(Pane0(), "Failed to call Master Server");
            EXPECT_EQ(Grid().GetItemCount(), 5);
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
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "2000", "--per-page", "255", "--delay-jitter", "30",
                                   "--silent", "1", "--random", "11"}));
    ProgressWatcher progress(&Frame().StatusBar());
    std::mt19937 random(5);
    QTimer user;
    int actions = 0;
    QObject::connect(&user, &QTimer::timeout, [&] {
        CServerGrid& grid = Grid();
        const int rows = grid.GetItemCount();
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Down, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_PageDown, {}},
            {Qt::Key_PageUp, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_Return, {}},
            {Qt::Key_Plus, Qt::KeypadModifier},
            {Qt::Key_Minus, Qt::KeypadModifier},
            {Qt::Key_Asterisk, Qt::KeypadModifier}};
        const unsigned action = random() % (std::size(keys) + 3);
        ++actions;
        if (action < std::size(keys)) {
            QTest::keyClick(&grid, keys[action].first, keys[action].second);
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
    EXPECT_EQ(ExpandAndCollectRows(Grid()), ExpectedRows(m_sim->Fleet(), 1));
    EXPECT_TRUE(GridInvariantsHold(Grid()));
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
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "20"}));
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
