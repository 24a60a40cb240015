// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tthread.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Launch returns only after the thread has already finished: a start call that loses the race
// against a short thread.
class ProbeThread : public TThread {
public:
    ~ProbeThread() override { Join(); }

    void Run() override {
        ++m_runs;
        m_idSeen = m_threadId.load();
    }

    std::atomic<int> m_runs{0};
    std::atomic<uint32_t> m_idSeen{0};

protected:
    bool Launch() override {
        const bool launched = TThread::Launch();
        while (launched && m_threadId.load() != 0) {
            std::this_thread::yield();
        }
        return launched;
    }
};

// A thread that ends before Start returns stays finished: Start writes nothing afterwards.
TEST(TThreadTest, IndicatorGoesFromPendingThroughItsIdToFinished) {
    ProbeThread thread;
    EXPECT_EQ(thread.m_threadId.load(), 1u);
    EXPECT_TRUE(thread.Start());
    EXPECT_EQ(thread.m_threadId.load(), 0u);
    EXPECT_GE(thread.m_idSeen.load(), 2u) << "running threads carry an id other than 0 and 1";
    EXPECT_FALSE(thread.Start()) << "started once only";
    thread.Join();
    EXPECT_EQ(thread.m_runs.load(), 1);
}

}  // namespace
