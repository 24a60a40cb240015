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

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <set>
#include <thread>

namespace {

using kr::test::Children;
using kr::test::FleetEntry;
using kr::test::GridInvariantsHold;
using kr::test::MakeRecord;
using kr::test::Roots;

// A front end that counts the progress steps on the grid's thread, as the window's does.
class CountingHost : public ServerGridRefreshHost {
public:
    using ServerGridRefreshHost::ServerGridRefreshHost;

    void StepProgress() override {
        RunOnGridThread([this] {
            ++m_steps;
            m_threads.insert(QThread::currentThread());
        });
    }
    void BeginProgress(const std::string& label, int maximum) override {
        m_label = label;
        m_maximum = maximum;
    }

    int m_steps = 0;  // grid's thread only
    std::set<QThread*> m_threads;
    std::string m_label;
    int m_maximum = -1;
};

class ServerGridRefreshHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_grid.Create(nullptr, 256));
        m_grid.PrepareGrid();
        TMutex::SetTraceOutput(nullptr);
    }
    void TearDown() override { TMutex::SetTraceOutput(stdout); }

    CServerGrid m_grid;
    CountingHost m_host{&m_grid};
};

// A worker's filing and step run on the grid's thread, which handles its events (a timer here)
// while it waits for the worker's end, and the wait ends with that end.
TEST_F(ServerGridRefreshHostTest, WorkerCallsRunOnTheGridThreadWhileItWaits) {
    TEvent ended;
    std::atomic<bool> timerRan{false};
    QTimer::singleShot(0, [&] { timerRan = true; });
    std::atomic<bool> filed{false};
    std::thread worker([&] {
        while (!timerRan) {  // the grid's thread is in its wait by now
            std::this_thread::yield();
        }
        m_host.FileServerRecord(MakeRecord("1.30", "VLD"), 0);
        filed = true;
        m_host.StepProgress();
        ended.Set();
    });
    m_host.WaitForWorkerEnd(ended);
    worker.join();

    EXPECT_TRUE(filed);
    EXPECT_EQ(m_grid.GetChildCount(m_grid.FindGroupNode("1.30", "VLD")), 1);
    EXPECT_EQ(m_host.m_steps, 1);
    EXPECT_EQ(m_host.m_threads, std::set<QThread*>{m_grid.thread()});
    EXPECT_FALSE(ended.TryWait()) << "the wait consumed the end";

    // On the grid's thread the calls are direct; an end set before the wait returns at once.
    m_host.FileServerRecord(MakeRecord("1.30", "VLD"), 1);
    m_host.StepProgress();
    ended.Set();
    m_host.WaitForWorkerEnd(ended);
    EXPECT_EQ(m_grid.GetChildCount(m_grid.FindGroupNode("1.30", "VLD")), 2);
    EXPECT_EQ(m_host.m_steps, 2);
    EXPECT_TRUE(GridInvariantsHold(m_grid));
}

// A whole refresh against the simulator through RefreshList: ten workers file on the grid's
// thread; afterwards every answering server with a group is under it, in ping order.
TEST_F(ServerGridRefreshHostTest, RefreshFilesEveryGroupedServerInPingOrder) {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "60", "--per-page", "16", "--silent", "10",
                              "--malformed", "15", "--delay", "20", "--delay-jitter", "40",
                              "--random", "7"});
    ASSERT_TRUE(sim.Started());
    SetMasterServer("127.0.0.1", sim.MasterPort());
    g_refreshCount = 0;
    m_grid.resize(700, 300);
    m_grid.show();
    m_grid.SetRefreshHost(&m_host);

    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::Completed);
    SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::NotRun);

    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 60u);
    EXPECT_EQ(m_host.m_label, "60 server(s)");
    EXPECT_EQ(m_host.m_steps, 60);
    EXPECT_EQ(m_host.m_threads, std::set<QThread*>{m_grid.thread()});

    ASSERT_EQ(m_grid.GetItemCount(), 5);
    for (CGridTreeItem* root : Roots(m_grid)) {
        EXPECT_TRUE(m_grid.IsCollapsed(root));
        m_grid.ExpandSubtree(root, nullptr);
    }
    EXPECT_TRUE(GridInvariantsHold(m_grid));

    // What each group should hold, from the fleet.
    std::map<std::string, std::set<std::string>> expected;
    std::map<std::string, const FleetEntry*> byAddress;
    int silent = 0;
    for (const FleetEntry& server : fleet) {
        byAddress[server.address] = &server;
        silent += server.Answers() ? 0 : 1;
        const std::string version = VersionText(static_cast<uint8_t>(server.version));
        const std::string type = GameTypeText(static_cast<int8_t>(server.gameType));
        if (server.Answers() && VersionGroupIndex(version) >= 0 && GameTypeGroupIndex(type) >= 0) {
            expected[version + type].insert(server.address);
        }
    }
    EXPECT_GT(silent, 0);

    int shown = 0;
    for (const GroupNodeEntry& group : m_grid.GroupNodes()) {
        SCOPED_TRACE(group.m_key);
        if (group.m_key.back() == '*') {
            EXPECT_EQ(m_grid.GetChildCount(group.m_pNode), 3);
            continue;
        }
        std::set<std::string> addresses;
        int previousPing = -1;
        for (CGridTreeItem* server : Children(m_grid, group.m_pNode)) {
            const CGridItemInfo* info = m_grid.GetInfo(server);
            const std::string address = info->GetSubText(7).toStdString();
            addresses.insert(address);
            const FleetEntry* truth = byAddress[address];
            ASSERT_NE(truth, nullptr) << address;
            EXPECT_EQ(info->GetSubText(1), QString::fromLatin1(truth->name)) << address;
            EXPECT_EQ(info->GetSubText(2), QString::fromLatin1(truth->map)) << address;
            EXPECT_EQ(info->GetSubText(4), QString::fromLatin1(truth->mod)) << address;
            char players[32];
            std::snprintf(players, sizeof(players), "%2d/%2d", truth->players, truth->maxPlayers);
            EXPECT_EQ(info->GetSubText(3).toStdString(), players) << address;
            EXPECT_EQ(info->m_mapCellImage.count(kPrivateCellKey) != 0, (truth->flags & 4) != 0);
            EXPECT_EQ(info->m_mapCellImage.count(kDedicatedCellKey) != 0, (truth->flags & 1) != 0);
            const int ping = PingTextValue(info->GetSubText(0));
            EXPECT_GE(ping, previousPing) << "ping order";
            EXPECT_LT(ping, 9999);
            previousPing = ping;
            EXPECT_NE(m_grid.RowFromNode(server), -1);
            ++shown;
        }
        EXPECT_EQ(addresses, expected[group.m_key]);
    }
    EXPECT_GT(shown, 20);
    EXPECT_EQ(m_grid.GetItemCount(), 5 + 15 + shown) << "nothing else is shown";
}

// Without an installed front end the grid uses its own: the servers are filed all the same.
TEST_F(ServerGridRefreshHostTest, WithoutAnInstalledHostTheGridFillsItself) {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "12", "--random", "3"});
    ASSERT_TRUE(sim.Started());
    SetMasterServer("127.0.0.1", sim.MasterPort());
    g_refreshCount = 0;
    EXPECT_EQ(m_grid.RefreshList(), RefreshOutcome::Completed);
    SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
    int grouped = 0;
    for (const FleetEntry& server : sim.Fleet()) {
        grouped += VersionGroupIndex(VersionText(static_cast<uint8_t>(server.version))) >= 0 &&
                   GameTypeGroupIndex(GameTypeText(static_cast<int8_t>(server.gameType))) >= 0;
    }
    int filed = 0;
    for (const GroupNodeEntry& group : m_grid.GroupNodes()) {
        filed += group.m_key.back() == '*' ? 0 : m_grid.GetChildCount(group.m_pNode);
    }
    EXPECT_EQ(filed, grouped);
    EXPECT_EQ(m_host.m_steps, 0);
    EXPECT_EQ(m_grid.GetItemCount(), 5);
}

}  // namespace
