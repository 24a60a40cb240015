// "New Full List" end to end: the browser window against korvath-sim on loopback.

#include "app/commandids.h"
#include "net/refreshdriver.h"
#include "net/refreshstop.h"
#include "platform/posix/usernotice.h"
#include "tests/app/browsertesting.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QTimer>

#include <chrono>
#include <map>
#include <mutex>

namespace kr::test {
namespace {

// Remembers every status text in order and passes everything on to the window.
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
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<CBrowserApp> m_browser;
};

TEST_F(BrowserRefreshTest, FullListFilesEveryAnsweringServerUnderItsGroupInPingOrder) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "40", "--silent", "10", "--malformed", "10",
                                   "--delay", "20", "--delay-jitter", "40", "--random", "7"}));
    EXPECT_EQ(Pane0(), "Ready");
    StatusTextRecorder recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    ASSERT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));

    const std::vector<FleetEntry> fleet = m_sim->Fleet();
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
        EXPECT_TRUE(Grid().IsCollapsed(version));
        EXPECT_EQ(Grid().GetInfo(version)->m_strText,
                  QString("1.%1").arg(row * 10, 2, 10, QChar('0')));
    }

    // Expanded, each type row is followed by its servers in ping order (rows walked top down).
    std::map<std::string, std::vector<std::string>> filed, expected;  // group -> addresses
    int previousPing = 0;
    for (int row = 0; row < Grid().GetItemCount(); ++row) {
        CGridTreeItem* node = Grid().NodeFromRow(row);
        if (Grid().HasChildren(node) && Grid().IsCollapsed(node)) {
            Grid().ExpandNode(node, row);
        }
        if (Grid().GetLevel(node) != 3) {
            previousPing = 0;
            continue;
        }
        const CGridItemInfo* info = Grid().GetInfo(node);
        EXPECT_LE(previousPing, info->GetSubText(0).toInt()) << "ping order, row " << row;
        previousPing = info->GetSubText(0).toInt();
        CGridTreeItem* type = Grid().GetParentNode(node);
        const QString group =
            Grid().GetInfo(Grid().GetParentNode(type))->m_strText + Grid().GetInfo(type)->m_strText;
        filed[group.toStdString()].push_back(info->GetSubText(7).toStdString());
    }
    EXPECT_TRUE(GridInvariantsHold(Grid()));
    for (const FleetEntry& server : fleet) {
        if (const std::string group = ExpectedGroup(server); !group.empty()) {
            expected[group].push_back(server.address);
        }
    }
    for (auto* groups : {&filed, &expected}) {
        for (auto& [group, addresses] : *groups) {
            std::sort(addresses.begin(), addresses.end());
        }
    }
    EXPECT_EQ(filed, expected);
    EXPECT_FALSE(filed.empty());

    // A second "New Full List" does nothing: no text, no rows, no request to the master.
    const int rows = Grid().GetItemCount();
    EXPECT_TRUE(Frame().SendCommand(ID_NEW_FULL_LIST));
    EXPECT_EQ(recorder.Texts().size(), 2u);
    EXPECT_EQ(Grid().GetItemCount(), rows);
    EXPECT_EQ(m_sim->Stats().at("master_requests"), 1);
}

TEST_F(BrowserRefreshTest, SilentMasterGivesOneMessageBoxAndTheFailureText) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "12", "--master-silent"}));
    MessageBoxWatcher boxes;
    ProgressWatcher progress(&Frame().StatusBar());

    Frame().SendCommand(ID_NEW_FULL_LIST);

    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Connection To Master Server Failed");
    EXPECT_EQ(boxes.seen[0].title, "KR Server Browser");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(Pane0(), "Failed to call Master Server");
    EXPECT_EQ(progress.bars, 0);
    EXPECT_EQ(Grid().GetItemCount(), 5);  // the groups are left as they were
}

TEST_F(BrowserRefreshTest, EmptyListCountsZeroServers) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "0"}));
    StatusTextRecorder recorder(GetUserNotice());
    ProgressWatcher progress(&Frame().StatusBar());

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_EQ(recorder.Texts().back(), "0 server(s)");
    EXPECT_EQ(progress.bars, 1);
    EXPECT_EQ(progress.steps, 0);
    EXPECT_EQ(m_sim->Stats().at("queries"), 0);
    EXPECT_EQ(Pane0(), "Ready");
}

// Closing during a refresh of silent servers: no query starts after the close, the ten in flight
// end with their time-out, then the window closes; "servers.txt" has the whole list.
TEST_F(BrowserRefreshTest, CloseDuringRefreshStopsItWithinTheTimeOut) {
    ASSERT_NO_FATAL_FAILURE(Start({"--servers", "60", "--silent", "100"}));
    bool visibleAfterClose = false;
    bool closeHandledDuringRefresh = false;
    QTimer::singleShot(300, [&] {
        closeHandledDuringRefresh = Frame().View().IsRefreshing();
        Frame().close();
        visibleAfterClose = Frame().isVisible();
    });
    const auto start = std::chrono::steady_clock::now();

    Frame().SendCommand(ID_NEW_FULL_LIST);

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6)) << "not 12 s";
    EXPECT_TRUE(closeHandledDuringRefresh);
    EXPECT_TRUE(visibleAfterClose);     // held while the queries in flight ended
    EXPECT_FALSE(Frame().isVisible());  // carried out then
    EXPECT_EQ(m_sim->Stats().at("queries"), 10);
    const std::string serversFile = ReadWholeFile("servers.txt");
    EXPECT_EQ(std::count(serversFile.begin(), serversFile.end(), '\n'), 60);
}

}  // namespace
}  // namespace kr::test
