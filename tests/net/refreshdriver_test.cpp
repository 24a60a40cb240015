// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/refreshdriver.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "net/lastlist.h"
#include "net/listfetch.h"
#include "net/masterclient.h"
#include "net/refreshstop.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakenotice.h"
#include "tests/support/simprocess.h"
#include "tests/support/stucklookup.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

namespace {

using namespace kr::test;
using Texts = std::vector<std::string>;

// Records what the workers file and when the rows are sorted. Workers file and step under
// the update mutex: another thread cannot take it meanwhile (unless m_driverFiles: the driver
// files the favourites it could not resolve without it).
class RecordingHost : public IRefreshHost {
public:
    explicit RecordingHost(const std::string& mutexName) : m_mutexName(mutexName) {}

    void LocateStatusBar() override {}
    void BeginProgress(const NoticeText&, int) override {}
    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override {
        EXPECT_TRUE(m_driverFiles ||
                    TryFromOtherThread(m_mutexName) == NamedMutex::LockResult::TimedOut)
            << "filed";
        std::lock_guard<std::mutex> hold(m_lock);
        EXPECT_EQ(m_steps.load(), static_cast<int>(m_filed.size())) << "filed, then stepped";
        EXPECT_TRUE(m_filed.emplace(listIndex, record).second) << "filed twice: " << listIndex;
    }
    void StepProgress() override {
        EXPECT_TRUE(m_driverFiles ||
                    TryFromOtherThread(m_mutexName) == NamedMutex::LockResult::TimedOut)
            << "step";
        ++m_steps;
    }
    void SortRows() override { m_sortedAfter = m_steps.load(); }
    void EndProgress() override {}
    void WaitForWorkerEnd(TEvent& workerEnded) override { workerEnded.Wait(); }
    std::vector<std::string> FavouriteServers() override { return m_favourites; }

    const std::string m_mutexName;
    std::vector<std::string> m_favourites;
    bool m_driverFiles = false;
    std::mutex m_lock;
    std::map<size_t, ServerRecord> m_filed;
    std::atomic<int> m_steps{0};
    int m_sortedAfter = -1;  // steps made when the rows were sorted
};

// A front end slow to file, as a busy window is: it holds the hand-overs it is posted and files
// them on a thread of its own only once `batch` of them are waiting, or once no hand-over has come
// for 100 ms. Keeps the most hand-overs it ever held at once. It checks that "update" is held
// once a round of filing, not for every server.
class DeferringHost : public RecordingHost {
public:
    DeferringHost(const std::string& mutexName, size_t batch)
        : RecordingHost(mutexName), m_batch(batch), m_window([this] { File(); }) {}
    ~DeferringHost() override {
        {
            std::lock_guard<std::mutex> hold(m_queueLock);
            m_stop = true;
        }
        m_wake.notify_one();
        m_window.join();
    }

    void PostFileAndStep(std::span<const QueriedServer> servers,
                         std::function<void()> filed) override {
        EXPECT_LE(servers.size(), static_cast<size_t>(kMaxQueriesInFlight));
        std::lock_guard<std::mutex> hold(m_queueLock);
        m_posted.push_back({servers, std::move(filed)});
        m_mostHeld = std::max(m_mostHeld, m_posted.size());
        m_wake.notify_one();
    }

    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override {
        EXPECT_TRUE(m_filed.emplace(listIndex, record).second) << "filed twice: " << listIndex;
    }
    void StepProgress() override { ++m_steps; }

    size_t m_mostHeld = 0;

private:
    using Posted = std::pair<std::span<const QueriedServer>, std::function<void()>>;
    void File() {
        std::unique_lock<std::mutex> hold(m_queueLock);
        while (!m_stop) {
            const size_t held = m_posted.size();
            m_wake.wait_for(hold, std::chrono::milliseconds(100));
            if (m_posted.size() >= m_batch || (!m_posted.empty() && m_posted.size() == held)) {
                std::deque<Posted> filing;
                filing.swap(m_posted);
                hold.unlock();
                EXPECT_EQ(TryFromOtherThread(m_mutexName), NamedMutex::LockResult::TimedOut);
                for (Posted& posted : filing) {
                    FileAndStep(posted.first);
                    posted.second();
                }
                hold.lock();
            }
        }
    }

    const size_t m_batch;
    std::mutex m_queueLock;
    std::condition_variable m_wake;
    std::deque<Posted> m_posted;
    bool m_stop = false;
    std::thread m_window;
};

class RefreshDriverTest : public ::testing::Test {
protected:
    void SetUp() override { g_refreshCount = 0; }
    void TearDown() override {
        g_refreshStop.Reset();
        SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
        SetLastListFile("");
    }

    ScopedTempDir m_dir{true};
    TestUpdateMutex m_mutex;
    FakeNotice m_notice;
    RecordingHost m_host{m_mutex.name};
};

// 25 slow servers over two pages, some silent: every one is queried once, filed once under its
// list index and counted once, and the front end sees the steps in order.
TEST_F(RefreshDriverTest, QueriesEveryListedServerOnceAndEndsInOrder) {
    std::vector<FakeServerScript> scripts;
    for (int i = 0; i < 25; ++i) {
        scripts.push_back({InfoReply(0x85, "server " + std::to_string(i), 0, 1, 32, "map", "", 1),
                           i == 4 || i == 12, 20 + (i * 37) % 60});
    }
    FakeGameServers servers(scripts);
    FakeMaster master({MasterPage(0, servers.Records(0, 13)), MasterPage(0, servers.Records(13)),
                       MasterPage(7, {})});
    SetMasterServer("127.0.0.1", master.Port());
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Completed);
    EXPECT_EQ(m_host.m_sortedAfter, 25);
    EXPECT_EQ(m_notice.StatusTexts(), (Texts{"Contacting Master Server", "25 server(s)"}));
    ASSERT_EQ(m_host.m_filed.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(servers.Requests(i).size(), 1u) << i;
        EXPECT_EQ(
            m_host.m_filed[i].m_address + " " + m_host.m_filed[i].m_name,
            servers.Address(i) + " " + (scripts[i].silent ? "?" : "server " + std::to_string(i)));
    }
    EXPECT_EQ(master.Received().size(), 4u) << "request and three acknowledgements only";
}

// Masters tried in order: a silent one, one that breaks off after a page, one that gives its list.
// The third's list is queried, every address received is in "servers.txt", and the third is tried
// first next time.
TEST_F(RefreshDriverTest, MastersAreTriedInOrderUntilOneGivesItsList) {
    FakeGameServers servers({{InfoReply(0x85, "a", 0, 1, 32, "map", "", 1)}, {{}, true}});
    FakeUdpSocket silent;
    FakeMaster broken({MasterPage(0, {{{10, 0, 0, 9}, 999}})}, 0);
    FakeMaster good({MasterPage(0, servers.Records()), MasterPage(7, {})});
    const MasterEndpoint goodEndpoint{"127.0.0.1", good.Port()};
    SetMasterServers({{"127.0.0.1", silent.Port()}, {"127.0.0.1", broken.Port()}, goodEndpoint});
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Completed);
    EXPECT_EQ(std::tuple(m_host.m_filed[0].m_address, m_host.m_filed[1].m_address,
                         m_host.m_filed.size(), LineCount("servers.txt")),
              std::tuple(servers.Address(0), servers.Address(1), 2u, 3u));
    EXPECT_EQ(m_notice.StatusTexts(),
              (Texts{"Contacting Master Server",
                     "Contacting Master Server 2 of 3: 127.0.0.1:" + std::to_string(broken.Port()),
                     "Contacting Master Server 3 of 3: 127.0.0.1:" + std::to_string(good.Port()),
                     "2 server(s)"}));
    EXPECT_EQ(MasterServers().front().port, good.Port());
}

// A whole list is kept; a master that breaks off leaves the kept list as it was and has it
// queried instead, without a message box and without adding it to "servers.txt" again.
TEST_F(RefreshDriverTest, LastListIsKeptAfterAWholeListAndQueriedWhenTheMasterBreaksOff) {
    FakeGameServers servers({{InfoReply(0x85, "a", 0, 1, 32, "map", "", 1)}, {{}, true}});
    const std::string path = m_dir.File("cache/korvath/last-list");
    SetLastListFile(path);
    {
        FakeMaster good({MasterPage(0, servers.Records()), MasterPage(7, {})});
        SetMasterServer("127.0.0.1", good.Port());
        EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Completed);
    }
    const std::string kept = ReadWholeFile(path);
    FakeMaster broken({MasterPage(0, {{{10, 0, 0, 9}, 999}})}, 0);
    SetMasterServer("127.0.0.1", broken.Port());
    RecordingHost host(m_mutex.name);
    EXPECT_EQ(RefreshServerListAgain(host), RefreshOutcome::LastListUsed);
    EXPECT_EQ(std::tuple(ReadWholeFile(path), LoadLastList(path).servers.size(),
                         servers.Requests(0).size(), servers.Requests(1).size(),
                         host.m_filed[0].m_name, LineCount("servers.txt")),
              std::tuple(kept, 2u, 2u, 2u, "a", 3u));
    const std::string expected =
        "Master server did not answer: querying the 2 servers of the list "
        "from 20";
    EXPECT_EQ(m_notice.StatusTexts().back().substr(0, expected.size()), expected);
    EXPECT_TRUE(m_notice.MessageBoxes().empty());
}

// Servers asked again without a master (none is set up): each is queried, filed and counted once,
// then the rows are sorted; a run that names no master leaves the refresh count alone.
TEST_F(RefreshDriverTest, QueryServersAsksTheGivenServersWithoutAMaster) {
    FakeGameServers servers({{InfoReply(0x85, "a", 0, 1, 32, "map", "", 1)}, {{}, true}});
    const std::vector<ServerAddress> addresses = {
        {"127.0.0.1", static_cast<uint32_t>(servers.Port(0))},
        {"127.0.0.1", static_cast<uint32_t>(servers.Port(1))}};
    EXPECT_EQ(QueryServers(m_host, addresses), RefreshOutcome::Completed);
    EXPECT_EQ(std::tuple(m_host.m_sortedAfter, m_host.m_filed[0].m_name, m_host.m_filed[1].m_name,
                         g_refreshCount),
              std::tuple(2, "a", "?", 0));
    EXPECT_EQ(m_notice.StatusTexts(), Texts{"2 server(s)"});
}

// The queries go on while the front end has not filed what it was handed: it may hold up to 32
// hand-overs (of at most 10 servers each), and only past that do the queries wait for it. Every
// server is still filed once and counted once.
TEST_F(RefreshDriverTest, QueriesGoOnWhileTheFrontEndFilesUpToABound) {
    SimProcess sim({"--servers", "400"});
    ASSERT_TRUE(sim.Started());
    SetMasterServer("127.0.0.1", sim.MasterPort());
    DeferringHost host(m_mutex.name, 32);
    EXPECT_EQ(RefreshServerList(host), RefreshOutcome::Completed);
    EXPECT_EQ(
        std::tuple(host.m_mostHeld, host.m_filed.size(), host.m_steps.load(), host.m_sortedAfter),
        std::tuple(32u, 400u, 400, 400));
}

// A favourite whose name lookup never ends: the refresh files it unanswered once the lookups'
// time is up; with all the time in the world, a stop ends the wait and the refresh, also during
// the master's lookup, which then contacts nothing. A stopped refresh sorts nothing and counts as
// the program's one refresh.
TEST_F(RefreshDriverTest, NameLookupThatNeverEndsHoldsTheRefreshOnlyForItsTime) {
    const struct {
        const char* master;
        bool stopping;
        RefreshOutcome outcome;
        Texts filed;
    } cases[] = {{"127.0.0.1", false, RefreshOutcome::Completed, {"never.test:5000"}},
                 {"127.0.0.1", true, RefreshOutcome::Stopped, {}},
                 {"never.test", true, RefreshOutcome::Stopped, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.master) + (c.stopping ? " stopping" : ""));
        g_refreshCount = 0;
        g_refreshStop.Reset();
        FakeUdpSocket silent;  // the master's port while its name does not resolve
        std::optional<FakeMaster> master;
        if (c.master == std::string("127.0.0.1")) {
            master.emplace(std::vector<Bytes>{MasterPage(7, {})});
        }
        SetMasterServer(c.master, master ? master->Port() : silent.Port());
        RecordingHost host(m_mutex.name);
        host.m_favourites = {"never.test:5000"};
        host.m_driverFiles = true;
        const StuckLookups lookups(
            "never.test", c.stopping ? std::chrono::hours(1) : std::chrono::milliseconds(50), [&c] {
                if (c.stopping) {
                    g_refreshStop.Set();
                }
            });
        EXPECT_EQ(RefreshServerList(host), c.outcome);
        Texts filed;
        for (const auto& [index, record] : host.m_filed) {
            filed.push_back(record.m_address);
        }
        EXPECT_EQ(filed, c.filed);
        if (c.stopping) {
            g_refreshStop.Reset();
            EXPECT_EQ(RefreshServerList(host), RefreshOutcome::NotRun);
            EXPECT_EQ(host.m_sortedAfter, -1);
        }
        EXPECT_TRUE(m_notice.MessageBoxes().empty());
        EXPECT_FALSE(silent.Receive(0));
    }
}

}  // namespace
