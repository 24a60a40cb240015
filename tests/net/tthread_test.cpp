#include "net/tthread.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "net/tevent.h"

namespace {

// Records what its thread saw; Launch can be made to fail or to return only after the thread
// has already finished (a start call that loses the race against a short thread).
class ProbeThread : public TThread {
public:
    enum class Launching { Normal, Fail, AfterFinish };
    explicit ProbeThread(Launching mode = Launching::Normal) : m_mode(mode) {}
    ~ProbeThread() override { Join(); }

    void Run() override {
        ++m_runs;
        m_idSeen = m_threadId.load();
    }

    std::atomic<int> m_runs{0};
    std::atomic<uint32_t> m_idSeen{0};

protected:
    bool Launch() override {
        const bool launched = m_mode != Launching::Fail && TThread::Launch();
        while (launched && m_mode == Launching::AfterFinish && m_threadId.load() != 0) {
            std::this_thread::yield();
        }
        return launched;
    }

private:
    Launching m_mode;
};

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

    // A thread that ends before Start returns stays finished: Start writes nothing afterwards.
    for (int round = 0; round < 20; ++round) {
        ProbeThread quick(ProbeThread::Launching::AfterFinish);
        EXPECT_TRUE(quick.Start());
        EXPECT_EQ(quick.m_threadId.load(), 0u);
    }
}

TEST(TThreadTest, ThreadThatCannotStartCountsAsFinished) {
    TEvent ended;
    ProbeThread thread(ProbeThread::Launching::Fail);
    EXPECT_FALSE(thread.Start(&ended));
    EXPECT_EQ(thread.m_threadId.load(), 0u);
    EXPECT_TRUE(ended.TryWait()) << "whoever waits for its end is woken";
    thread.Join();
    EXPECT_EQ(thread.m_runs.load(), 0);
}

// Sets are latched until one wait consumes them (several count as one), a waiter is woken by a
// later Set, and the wake-up hook runs for every Set until removed.
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

    std::atomic<bool> woken{false};
    std::thread waiter([&] {
        event.Wait();
        woken = true;
    });
    event.Set();
    waiter.join();
    EXPECT_TRUE(woken);
    EXPECT_FALSE(event.TryWait());
    EXPECT_EQ(wakeUps, 2);
}

// A manual-reset event stays set for every waiter until Reset.
TEST(TEventTest, ManualResetWakesEveryWaiterAndStaysSet) {
    TEvent event(true);
    std::thread waiters[2];
    for (std::thread& waiter : waiters) {
        waiter = std::thread([&] { event.Wait(); });
    }
    event.Set();
    for (std::thread& waiter : waiters) {
        waiter.join();
    }
    EXPECT_TRUE(event.TryWait());
    EXPECT_TRUE(event.TryWait());
    event.Reset();
    EXPECT_FALSE(event.TryWait());
}

}  // namespace
