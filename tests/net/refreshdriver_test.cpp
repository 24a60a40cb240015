#include "net/refreshdriver.h"

#include <atomic>
#include <map>
#include <mutex>

#include <gtest/gtest.h>

#include "net/masterclient.h"
#include "net/refreshstop.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "net/tmutex.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakenotice.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

namespace {

using namespace kr::test;
using Texts = std::vector<std::string>;

// Records what the workers file and when the rows are sorted. Workers file and step under
// the update mutex: another thread cannot take it meanwhile.
class RecordingHost : public IRefreshHost {
public:
    explicit RecordingHost(const std::string& mutexName) : m_mutexName(mutexName) {}

    void LocateStatusBar() override {}
    void BeginProgress(const std::string&, int) override {}
    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override {
        EXPECT_EQ(TryFromOtherThread(m_mutexName), NamedMutex::LockResult::TimedOut) << "filed";
        std::lock_guard<std::mutex> hold(m_lock);
        EXPECT_EQ(m_steps.load(), static_cast<int>(m_filed.size())) << "filed, then stepped";
        EXPECT_TRUE(m_filed.emplace(listIndex, record).second) << "filed twice: " << listIndex;
    }
    void StepProgress() override {
        EXPECT_EQ(TryFromOtherThread(m_mutexName), NamedMutex::LockResult::TimedOut) << "step";
        ++m_steps;
    }
    void SortRows() override { m_sortedAfter = m_steps.load(); }
    void EndProgress() override {}
    void WaitForWorkerEnd(TEvent& workerEnded) override { workerEnded.Wait(); }

    const std::string m_mutexName;
    std::mutex m_lock;
    std::map<size_t, ServerRecord> m_filed;
    std::atomic<int> m_steps{0};
    int m_sortedAfter = -1;  // steps made when the rows were sorted
};

class RefreshDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_refreshCount = 0;
        TMutex::SetTraceOutput(nullptr);
    }
    void TearDown() override {
        g_refreshStop.Reset();
        TMutex::SetTraceOutput(stdout);
        SetMasterServer(kDefaultMasterHost, kDefaultMasterPort);
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

// A stop before the download ends the refresh at once, and it counts as the program's one
// refresh.
TEST_F(RefreshDriverTest, StopBeforeTheDownloadEndsTheRefreshAtOnce) {
    SetMasterServer("127.0.0.1", FakeUdpSocket().Port());
    g_refreshStop.Set();
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Stopped);
    g_refreshStop.Reset();
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::NotRun);
    EXPECT_EQ(m_host.m_sortedAfter, -1);
    EXPECT_EQ(m_notice.StatusTexts(), Texts{"Contacting Master Server"});
}

}  // namespace
