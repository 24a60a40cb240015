#include "serverlist/servergridrefreshhost.h"

#include "net/masterclient.h"
#include "net/servergroups.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "net/tmutex.h"
#include "serverlist/pingsort.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <set>
#include <thread>

namespace {

using kr::test::Children;
using kr::test::ExpectedServerTexts;
using kr::test::FleetEntry;
using kr::test::GridInvariantsHold;
using kr::test::Grouped;
using kr::test::MakeRecord;
using kr::test::Roots;
using kr::test::ServerTexts;

// Counts the progress steps on the grid's thread, as the window's front end does.
class CountingHost : public ServerGridRefreshHost {
public:
    using ServerGridRefreshHost::ServerGridRefreshHost;

    void StepProgress() override {
        RunOnGridThread([this] {
            ++m_steps;
            m_threads.insert(QThread::currentThread());
        });
    }
    void BeginProgress(const std::string& label, int /*maximum*/) override { m_label = label; }

    int m_steps = 0;  // grid's thread only
    std::set<QThread*> m_threads;
    std::string m_label;
};

class ServerGridRefreshHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_grid.Create(nullptr, 256));
        m_grid.PrepareGrid();
        TMutex::SetTraceOutput(nullptr);
        g_refreshCount = 0;
    }
    void TearDown() override {
        TMutex::SetTraceOutput(stdout);
        SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
    }

    kr::test::ScopedTempDir m_dir{true};
    CServerGrid m_grid;
    CountingHost m_host{&m_grid};
};

// A worker's filing and step run on the grid's thread, which handles its events (a timer here)
// while it waits for the worker's end, and the wait ends with that end.
TEST_F(ServerGridRefreshHostTest, WorkerCallsRunOnTheGridThreadWhileItWaits) {
    TEvent ended;
    std::atomic<bool> timerRan{false};
    QTimer::singleShot(0, [&] { timerRan = true; });
    std::thread worker([&] {
        while (!timerRan) {  // the grid's thread is in its wait by now
            std::this_thread::yield();
        }
        m_host.FileServerRecord(MakeRecord("1.30", "VLD"), 0);
        m_host.StepProgress();
        ended.Set();
    });
    m_host.WaitForWorkerEnd(ended);
    worker.join();
    CGridTreeItem* vld = m_grid.FindGroupNode("1.30", "VLD");
    EXPECT_EQ(m_grid.GetChildCount(vld), 1);
    EXPECT_EQ(m_host.m_steps, 1);
    EXPECT_EQ(m_host.m_threads, std::set<QThread*>{m_grid.thread()});
    EXPECT_FALSE(ended.TryWait()) << "the wait consumed the end";

    // On the grid's thread the calls are direct; an end set before the wait returns at once.
    m_host.FileServerRecord(MakeRecord("1.30", "VLD"), 1);
    m_host.StepProgress();
    ended.Set();
    m_host.WaitForWorkerEnd(ended);
    EXPECT_EQ(m_grid.GetChildCount(vld), 2);
    EXPECT_EQ(m_host.m_steps, 2);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// A whole refresh against the simulator: ten workers file on the grid's thread; afterwards
// every answering server with a group is under it, with its texts and marks, in ping order.
TEST_F(ServerGridRefreshHostTest, RefreshFilesEveryGroupedServerInPingOrder) {
    kr::test::SimProcess sim({"--servers", "60", "--per-page", "16", "--silent", "10",
                              "--malformed", "15", "--delay", "20", "--delay-jitter", "40",
                              "--random", "7"});
    ASSERT_TRUE(sim.Started());
    SetMasterServer("127.0.0.1", sim.MasterPort());
    m_grid.resize(700, 300);
    m_grid.show();
    m_grid.SetRefreshHost(&m_host);

    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::Completed);
    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::NotRun);
    EXPECT_EQ(m_host.m_label, "60 server(s)");
    EXPECT_EQ(m_host.m_steps, 60);
    EXPECT_EQ(m_host.m_threads, std::set<QThread*>{m_grid.thread()});
    ASSERT_EQ(m_grid.GetItemCount(), 5);
    for (CGridTreeItem* root : Roots(m_grid)) {
        EXPECT_TRUE(m_grid.IsCollapsed(root));
        m_grid.ExpandSubtree(root, nullptr);
    }
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    std::map<std::string, std::set<std::string>> expected, filed;  // group -> addresses
    std::map<std::string, const FleetEntry*> byAddress;
    const std::vector<FleetEntry> fleet = sim.Fleet();
    for (const FleetEntry& server : fleet) {
        byAddress[server.address] = &server;
        if (Grouped(server)) {
            expected[std::string(VersionText(static_cast<uint8_t>(server.version))) +
                     GameTypeText(static_cast<int8_t>(server.gameType))]
                .insert(server.address);
        }
    }
    EXPECT_TRUE(std::any_of(fleet.begin(), fleet.end(), [](auto& s) { return !s.Answers(); }));
    int shown = 0;
    for (const GroupNodeEntry& group : m_grid.GroupNodes()) {
        if (group.m_key.back() == '*') {
            continue;
        }
        int previousPing = -1;
        for (CGridTreeItem* server : Children(m_grid, group.m_pNode)) {
            const CGridItemInfo* info = m_grid.GetInfo(server);
            const std::string address = info->GetSubText(7).toStdString();
            filed[group.m_key].insert(address);
            const FleetEntry* truth = byAddress[address];
            ASSERT_NE(truth, nullptr) << address;
            EXPECT_EQ(ServerTexts(*info), ExpectedServerTexts(*truth));
            EXPECT_EQ(info->m_mapCellImage.count(kPrivateCellKey) != 0, (truth->flags & 4) != 0);
            EXPECT_EQ(info->m_mapCellImage.count(kDedicatedCellKey) != 0, (truth->flags & 1) != 0);
            const int ping = PingTextValue(info->GetSubText(0));
            EXPECT_GE(ping, previousPing) << "ping order";
            EXPECT_LT(ping, 9999);
            previousPing = ping;
            ++shown;
        }
    }
    EXPECT_EQ(filed, expected);
    EXPECT_EQ(m_grid.GetItemCount(), 5 + 15 + shown) << "nothing else is shown";
}

// Without an installed front end the grid uses its own: the servers are filed all the same.
TEST_F(ServerGridRefreshHostTest, WithoutAnInstalledHostTheGridFillsItself) {
    kr::test::SimProcess sim({"--servers", "12", "--random", "3"});
    ASSERT_TRUE(sim.Started());
    SetMasterServer("127.0.0.1", sim.MasterPort());
    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::Completed);
    int grouped = 0, filed = 0;
    for (const FleetEntry& server : sim.Fleet()) {
        grouped += Grouped(server) ? 1 : 0;
    }
    for (const GroupNodeEntry& group : m_grid.GroupNodes()) {
        filed += group.m_key.back() == '*' ? 0 : m_grid.GetChildCount(group.m_pNode);
    }
    EXPECT_EQ(filed, grouped);
    EXPECT_EQ(m_host.m_steps, 0);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
}

}  // namespace
