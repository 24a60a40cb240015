#include "net/refreshdriver.h"

#include <atomic>
#include <map>
#include <mutex>
#include <optional>

#include <gtest/gtest.h>

#include "net/masterclient.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "net/tmutex.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakemaster.h"
#include "tests/support/fakenotice.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

namespace {

using namespace kr::test;
using Texts = std::vector<std::string>;

// Records what the driver asks of its front end, and in which order. Workers file and step under
// the update mutex: another thread cannot take it meanwhile.
class RecordingHost : public IRefreshHost {
public:
    RecordingHost(FakeNotice& notice, const std::string& mutexName)
        : m_notice(notice), m_mutexName(mutexName) {}

    void LocateStatusBar() override {
        Log("locate");
        m_textsBeforeLocate = m_notice.StatusTexts().size();
    }
    void BeginProgress(const std::string& label, int maximum) override {
        Log("begin " + label + " " + std::to_string(maximum));
    }
    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override {
        EXPECT_EQ(TryFromOtherThread(m_mutexName), NamedMutex::LockResult::TimedOut) << "filed";
        std::lock_guard<std::mutex> hold(m_lock);
        EXPECT_EQ(m_steps.load(), static_cast<int>(m_filed.size())) << "filed, then stepped";
        EXPECT_TRUE(m_filed.emplace(listIndex, record).second) << "filed twice: " << listIndex;
        if (m_stopOnFirstFile) {
            g_refreshStop.Set();
        }
    }
    void StepProgress() override {
        EXPECT_EQ(TryFromOtherThread(m_mutexName), NamedMutex::LockResult::TimedOut) << "step";
        ++m_steps;
    }
    void SortRows() override {
        Log("sort " + std::to_string(m_filed.size()) + "/" + std::to_string(m_steps.load()));
    }
    void EndProgress() override { Log("end"); }
    void WaitForWorkerEnd(TEvent& workerEnded) override { workerEnded.Wait(); }

    void Log(const std::string& what) {
        std::lock_guard<std::mutex> hold(m_lock);
        m_calls.push_back(what);
    }

    FakeNotice& m_notice;
    const std::string m_mutexName;
    std::mutex m_lock;
    Texts m_calls;
    std::map<size_t, ServerRecord> m_filed;
    std::atomic<int> m_steps{0};
    size_t m_textsBeforeLocate = 99;
    bool m_stopOnFirstFile = false;
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
    RecordingHost m_host{m_notice, m_mutex.name};
};

// 25 slow servers (some silent, some without a group): every one is queried once, filed once and
// counted once, and the front end sees the steps in order. Once per program run: a second
// request does nothing at all.
TEST_F(RefreshDriverTest, QueriesEveryListedServerOnceAndEndsInOrder) {
    std::vector<FakeServerScript> scripts;
    for (int i = 0; i < 25; ++i) {
        const uint8_t version = i == 7 ? 0x86 : 0x85 + 2 * (i % 3);
        const uint8_t type = i == 8 ? 5 : static_cast<uint8_t>(i % 3);
        scripts.push_back({InfoReply(version, "server " + std::to_string(i), type,
                                     static_cast<uint8_t>(i), 32, "map", "", 1),
                           i == 4 || i == 12, 20 + (i * 37) % 60});
    }
    FakeGameServers servers(scripts);
    FakeMaster master({MasterPage(0, servers.Records(0, 13)), MasterPage(0, servers.Records(13)),
                       MasterPage(7, {})});
    SetMasterServer("127.0.0.1", master.Port());
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Completed);
    EXPECT_EQ(g_refreshCount, 1);
    EXPECT_EQ(m_host.m_textsBeforeLocate, 0u);
    EXPECT_EQ(m_host.m_calls, (Texts{"locate", "begin 25 server(s) 25", "sort 25/25", "end"}));
    EXPECT_EQ(m_notice.StatusTexts(), (Texts{"Contacting Master Server", "25 server(s)"}));
    EXPECT_TRUE(m_notice.MessageBoxes().empty());
    ASSERT_EQ(m_host.m_filed.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        const ServerRecord& record = m_host.m_filed[i];
        EXPECT_EQ(servers.Requests(i), 1);
        EXPECT_EQ(record.m_address, servers.Address(i));
        if (scripts[i].silent) {
            EXPECT_EQ(record.m_ping, 9999u);
            EXPECT_EQ(record.GroupKey(), "");
        } else {
            EXPECT_EQ(record.m_name, "server " + std::to_string(i));
            EXPECT_GE(record.m_ping, static_cast<uint32_t>(scripts[i].delayMs));
        }
    }
    EXPECT_EQ(m_host.m_filed[7].m_version, "1.??");
    EXPECT_EQ(m_host.m_filed[8].m_gameType, "???");
    m_host.m_calls.clear();
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::NotRun);
    EXPECT_TRUE(m_host.m_calls.empty());
    EXPECT_EQ(m_notice.StatusTexts().size(), 2u);
    EXPECT_EQ(master.Received().size(), 4u) << "request and three acknowledgements only";
}

// Refreshes that query nothing: an empty list still runs the end steps; a master that does not
// answer gets its box and nothing else; a stop before the download ends it at once. Each counts
// as the program's one refresh.
TEST_F(RefreshDriverTest, RefreshesThatQueryNothing) {
    using Outcome = RefreshOutcome;
    const FakeNotice::MessageBox failed = {"Connection To Master Server Failed",
                                           "KR Server Browser", NoticeIcon::Exclamation};
    const struct {
        Outcome outcome;
        Texts calls;
        Texts texts;
        std::vector<FakeNotice::MessageBox> boxes;
    } cases[] = {
        {Outcome::Completed,  // an empty list
         {"locate", "begin 0 server(s) 0", "sort 0/0", "end"},
         {"Contacting Master Server", "0 server(s)"},
         {}},
        {Outcome::MasterFailed,
         {"locate"},
         {"Contacting Master Server", "Failed to call Master Server"},
         {failed}},
        {Outcome::Stopped, {"locate"}, {"Contacting Master Server"}, {}},  // stopped at once
    };
    for (const auto& c : cases) {
        FakeNotice notice;
        RecordingHost host(notice, m_mutex.name);
        std::optional<FakeMaster> master;
        if (c.outcome == Outcome::Completed) {
            master.emplace(std::vector<Bytes>{MasterPage(7, {{{127, 0, 0, 1}, 9}})});
        }
        SetMasterServer("127.0.0.1", master ? master->Port() : FakeUdpSocket().Port());
        g_refreshCount = 0;
        if (c.outcome == Outcome::Stopped) {
            g_refreshStop.Set();
        }
        EXPECT_EQ(RefreshServerList(host), c.outcome);
        g_refreshStop.Reset();
        EXPECT_EQ(RefreshServerList(host), Outcome::NotRun);
        EXPECT_EQ(host.m_calls, c.calls);
        EXPECT_EQ(notice.StatusTexts(), c.texts);
        EXPECT_EQ(notice.MessageBoxes(), c.boxes);
    }
}

// A stop while queries run: none starts after it, those in flight end (the ones still waiting
// for the mutex unfiled), no sort, no count text.
TEST_F(RefreshDriverTest, StopStartsNoFurtherQueryAndSkipsTheSort) {
    FakeGameServers servers(std::vector<FakeServerScript>(
        25, FakeServerScript{InfoReply(0x85, "s", 0, 1, 8, "m", "", 0), false, 100}));
    FakeMaster master({MasterPage(0, servers.Records()), MasterPage(7, {})});
    SetMasterServer("127.0.0.1", master.Port());
    m_host.m_stopOnFirstFile = true;
    EXPECT_EQ(RefreshServerList(m_host), RefreshOutcome::Stopped);
    EXPECT_EQ(m_host.m_calls, (Texts{"locate", "begin 25 server(s) 25", "end"}));
    EXPECT_EQ(m_notice.StatusTexts(), Texts{"Contacting Master Server"});
    int queried = 0;
    for (int i = 0; i < 25; ++i) {
        queried += servers.Requests(i);
    }
    // The first ten were started; on a loaded machine some of them meet the stop before their
    // request goes out. None after them starts.
    EXPECT_LE(queried, 10);
    EXPECT_GE(queried, static_cast<int>(m_host.m_filed.size()));
    EXPECT_GE(m_host.m_filed.size(), 1u);
    EXPECT_EQ(m_host.m_steps.load(), static_cast<int>(m_host.m_filed.size()));
}

}  // namespace
