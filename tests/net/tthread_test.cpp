#include "net/tthread.h"

#include <unistd.h>
#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "net/tevent.h"

namespace {

// Records what its thread saw; Launch can be made to return only after the thread has already
// finished (a start call that loses the race against a short thread).
class ProbeThread : public TThread {
public:
    explicit ProbeThread(bool launchReturnsLate = false) : m_launchReturnsLate(launchReturnsLate) {}
    ~ProbeThread() override { Join(); }

    void Run() override {
        ++m_runs;
        m_idSeen = m_threadId.load();
        const std::lock_guard<std::mutex> hold(s_lock);
        s_kernelIds.insert(gettid());
    }

    std::atomic<int> m_runs{0};
    std::atomic<uint32_t> m_idSeen{0};
    static inline std::mutex s_lock;
    static inline std::set<pid_t> s_kernelIds;  // of the threads that ran probes

protected:
    bool Launch() override {
        const bool launched = TThread::Launch();
        while (launched && m_launchReturnsLate && m_threadId.load() != 0) {
            std::this_thread::yield();
        }
        return launched;
    }

private:
    bool m_launchReturnsLate;
};

// A thread that ends before Start returns stays finished: Start writes nothing afterwards.
TEST(TThreadTest, IndicatorGoesFromPendingThroughItsIdToFinished) {
    TEvent ended;
    ProbeThread thread;
    EXPECT_EQ(thread.m_threadId.load(), 1u);
    EXPECT_TRUE(thread.Start(&ended));
    ended.Wait();
    EXPECT_EQ(thread.m_threadId.load(), 0u);
    EXPECT_GE(thread.m_idSeen.load(), 2u) << "running threads carry an id other than 0 and 1";
    EXPECT_FALSE(thread.Start(&ended)) << "started once only";
    thread.Join();
    thread.Join();
    EXPECT_EQ(thread.m_runs.load(), 1);
    EXPECT_FALSE(ended.TryWait());
    ProbeThread quick(true);
    EXPECT_TRUE(quick.Start());
    EXPECT_EQ(quick.m_threadId.load(), 0u);
}

// Rounds of ten runs at once, each round joined before the next: the runs reuse the threads of
// the first round instead of starting one thread per run.
TEST(TThreadPoolTest, RunsReuseThePoolsThreads) {
    ProbeThread::s_kernelIds.clear();
    for (int round = 0; round < 8; ++round) {
        std::vector<std::unique_ptr<ProbeThread>> runs;
        for (int i = 0; i < 10; ++i) {
            runs.push_back(std::make_unique<ProbeThread>());
            ASSERT_TRUE(runs.back()->Start());
        }
    }
    EXPECT_LE(ProbeThread::s_kernelIds.size(), 10u);
    EXPECT_EQ(ProbeThread::s_kernelIds.count(gettid()), 0u);
}

// Auto-reset: Sets are latched until one wait consumes them (several count as one), and the
// wake-up hook runs for every Set until removed. Manual-reset: it stays set for every waiter
// until Reset.
TEST(TEventTest, SetIsLatchedUntilConsumedAndWakesWaiters) {
    TEvent event;
    int wakeUps = 0;
    event.SetWakeUp([&] { ++wakeUps; });
    EXPECT_FALSE(event.TryWait());
    std::thread([&] {
        event.Set();
        event.Set();
    }).join();
    event.Wait();  // returns at once: the Sets came first
    EXPECT_FALSE(event.TryWait());
    EXPECT_EQ(wakeUps, 2);
    event.SetWakeUp(nullptr);
    event.Set();
    EXPECT_TRUE(event.TryWait());
    EXPECT_EQ(wakeUps, 2);

    TEvent manual(true);
    std::thread waiters[2];
    for (std::thread& each : waiters) {
        each = std::thread([&] { manual.Wait(); });
    }
    manual.Set();
    for (std::thread& each : waiters) {
        each.join();
    }
    EXPECT_TRUE(manual.TryWait());
    EXPECT_TRUE(manual.TryWait());
    manual.Reset();
    EXPECT_FALSE(manual.TryWait());
}

}  // namespace
