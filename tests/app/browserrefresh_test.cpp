// "New Full List" end to end: the browser window against korvath-sim on loopback.

#include "app/commandids.h"
#include "net/refreshdriver.h"
#include "platform/posix/usernotice.h"
#include "tests/app/browsertesting.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <map>
#include <mutex>

namespace kr::test {
namespace {

// Remembers every status text in order and passes it on to the window.
class StatusTextRecorder : public IUserNotice {
public:
    explicit StatusTextRecorder(IUserNotice* inner) : m_inner(inner) { SetUserNotice(this); }
    ~StatusTextRecorder() override { SetUserNotice(m_inner); }

    void ShowStatusText(const std::string& text) override {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_texts.push_back(text);
        }
        m_inner->ShowStatusText(text);
    }
    void ShowMessageBox(const std::string& text, const std::string& title,
                        NoticeIcon icon) override {
        m_inner->ShowMessageBox(text, title, icon);
    }
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_texts;
    }

private:
    IUserNotice* m_inner;
    std::mutex m_lock;
    std::vector<std::string> m_texts;
};

// Counts the steps of the progress bar that a refresh puts into the status bar.
class ProgressWatcher : public QObject {
public:
    explicit ProgressWatcher(CStatusBar* statusBar) { statusBar->installEventFilter(this); }

    int steps = 0;
    int maximum = -1;
    int bars = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            auto* bar = qobject_cast<CProgressBar*>(static_cast<QChildEvent*>(event)->child());
            if (bar != nullptr && !m_watched.contains(bar)) {
                m_watched.insert(bar);
                ++bars;
                connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) {
                    maximum = bar->maximum();
                    if (value > 0) {
                        ++steps;
                    }
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QSet<QObject*> m_watched;
};

const std::map<int, std::string> kVersions = {
    {0x85, "1.00"}, {0x87, "1.10"}, {0x89, "1.20"}, {0x91, "1.30"}};
const std::map<int, std::string> kGameTypes = {{0, "DM"}, {1, "VLD"}, {2, "TDM"}};

// The group a fleet server must be filed under; empty when it gets no row.
std::string ExpectedGroup(const FleetEntry& server) {
    if (!server.Answers() || !kVersions.contains(server.version) ||
        !kGameTypes.contains(server.gameType)) {
        return "";
    }
    return kVersions.at(server.version) + kGameTypes.at(server.gameType);
}

class BrowserRefreshTest : public testing::Test {
protected:
    void SetUp() override { g_refreshCount = 0; }

    // Starts the browser against the simulator; false when that failed.
    bool Start(const SimProcess& sim) {
        m_browser = StartBrowser({"--master", QString::fromStdString(sim.MasterAddress())});
        return m_browser != nullptr;
    }
    CMainFrame& Frame() { return *m_browser->MainFrame(); }
    CServerGrid& Grid() { return Frame().View().Grid(); }
    QString Pane0() { return Frame().StatusBar().GetPaneText(0); }

    ScopedTempDir m_dir{true};
    std::unique_ptr<CBrowserApp> m_browser;
};

TEST_F(BrowserRefreshTest, FullListFilesEveryAnsweringServerUnderItsGroupInPingOrder) {
    SimProcess sim({"--servers", "40", "--silent", "10", "--malformed", "10", "--delay", "20",
                    "--delay-jitter", "40", "--random", "7"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(Start(sim));
    EXPECT_EQ(Pane0(), "Ready");
    StatusTextRecorder recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));

    const std::vector<FleetEntry> fleet = sim.Fleet();
    const int listed = static_cast<int>(fleet.size());
    EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"Contacting Master Server",
                                                          std::to_string(listed) + " server(s)"}));
    EXPECT_EQ(progress.bars, 1);
    EXPECT_EQ(progress.maximum, listed);
    EXPECT_EQ(progress.steps, listed);
    EXPECT_EQ(Pane0(), "Ready");

    // Only the five version rows, collapsed.
    ASSERT_EQ(Grid().GetItemCount(), 5);
    for (int row = 0; row < 5; ++row) {
        CGridTreeItem* version = Grid().NodeFromRow(row);
        EXPECT_TRUE(Grid().IsCollapsed(version) || !Grid().HasChildren(version));
        EXPECT_EQ(Grid().GetInfo(version)->m_strText.toStdString(),
                  "1." + std::to_string(row) + "0");
    }
    EXPECT_TRUE(GridInvariantsHold(Grid()));

    // Expand every group; then each type row is followed by its servers, in ping order.
    std::map<std::string, std::vector<std::string>> filed;  // group -> addresses, row order
    for (int row = 0; row < Grid().GetItemCount(); ++row) {
        CGridTreeItem* node = Grid().NodeFromRow(row);
        if (Grid().HasChildren(node) && Grid().IsCollapsed(node)) {
            Grid().ExpandNode(node, row);
        }
    }
    EXPECT_TRUE(GridInvariantsHold(Grid()));
    for (int row = 0; row < Grid().GetItemCount(); ++row) {
        CGridTreeItem* node = Grid().NodeFromRow(row);
        if (Grid().GetLevel(node) != 3) {
            continue;
        }
        CGridTreeItem* type = Grid().GetParentNode(node);
        CGridTreeItem* version = Grid().GetParentNode(type);
        const std::string group =
            (Grid().GetInfo(version)->m_strText + Grid().GetInfo(type)->m_strText).toStdString();
        std::vector<std::string>& servers = filed[group];
        if (!servers.empty()) {
            CGridTreeItem* previous = Grid().NodeFromRow(row - 1);
            EXPECT_LE(Grid().GetInfo(previous)->GetSubText(0).toInt(),
                      Grid().GetInfo(node)->GetSubText(0).toInt())
                << "ping order broken in " << group;
        }
        servers.push_back(Grid().GetInfo(node)->GetSubText(7).toStdString());
    }
    std::map<std::string, std::vector<std::string>> expected;
    for (const FleetEntry& server : fleet) {
        const std::string group = ExpectedGroup(server);
        if (!group.empty()) {
            expected[group].push_back(server.address);
        }
    }
    for (auto& [group, addresses] : filed) {
        std::sort(addresses.begin(), addresses.end());
    }
    for (auto& [group, addresses] : expected) {
        std::sort(addresses.begin(), addresses.end());
    }
    EXPECT_EQ(filed, expected);
    EXPECT_FALSE(filed.empty());
}

TEST_F(BrowserRefreshTest, SecondFullListDoesNothing) {
    SimProcess sim({"--servers", "12"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(Start(sim));
    ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));
    StatusTextRecorder recorder(GetUserNotice());
    const int rows = Grid().GetItemCount();

    EXPECT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));

    EXPECT_TRUE(recorder.Texts().empty());
    EXPECT_EQ(Grid().GetItemCount(), rows);
    EXPECT_EQ(sim.Stats().at("master_requests"), 1);
}

TEST_F(BrowserRefreshTest, SilentMasterGivesOneMessageBoxAndTheFailureText) {
    SimProcess sim({"--servers", "12", "--master-silent"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(Start(sim));
    MessageBoxWatcher boxes;
    ProgressWatcher progress(&Frame().StatusBar());

    Frame().SendCommand(ID_NEW_FULL_LIST);

    ASSERT_EQ(boxes.SeenBoxes().size(), 1u);
    EXPECT_EQ(boxes.SeenBoxes()[0].text, "Connection To Master Server Failed");
    EXPECT_EQ(boxes.SeenBoxes()[0].title, "KR Server Browser");
    EXPECT_EQ(boxes.SeenBoxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(Pane0(), "Failed to call Master Server");
    EXPECT_EQ(progress.bars, 0);
    EXPECT_EQ(Grid().GetItemCount(), 5);  // the groups are left as they were
}

TEST_F(BrowserRefreshTest, EmptyListCountsZeroServers) {
    SimProcess sim({"--servers", "0"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(Start(sim));
    StatusTextRecorder recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_EQ(recorder.Texts().back(), "0 server(s)");
    EXPECT_EQ(progress.bars, 1);
    EXPECT_EQ(progress.steps, 0);
    EXPECT_EQ(sim.Stats().at("queries"), 0);
    EXPECT_EQ(Pane0(), "Ready");
}

TEST_F(BrowserRefreshTest, CloseDuringRefreshWaitsForItsEnd) {
    SimProcess sim({"--servers", "30", "--delay", "150"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(Start(sim));
    bool visibleAfterClose = false;
    bool closeHandledDuringRefresh = false;
    QTimer::singleShot(200, [&] {
        closeHandledDuringRefresh = Frame().View().IsRefreshing();
        Frame().close();
        visibleAfterClose = Frame().isVisible();
    });

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_TRUE(closeHandledDuringRefresh);
    EXPECT_TRUE(visibleAfterClose);       // held while the refresh ran
    EXPECT_FALSE(Frame().isVisible());    // carried out when it ended
    EXPECT_EQ(Grid().GetItemCount(), 5);  // the refresh itself ran to its end
    EXPECT_EQ(sim.Stats().at("queries"), 30);
}

}  // namespace
}  // namespace kr::test
