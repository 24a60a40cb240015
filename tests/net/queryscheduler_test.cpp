#include "net/queryscheduler.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "net/refreshhost.h"
#include "net/tevent.h"
#include "net/tthread.h"

namespace {

// Ends only when the host lets it; notes its index when the scheduler launches it.
class GatedWorker : public TThread {
public:
    GatedWorker(std::vector<size_t>& launches, size_t index, bool failsToStart)
        : m_launches(launches), m_index(index), m_failsToStart(failsToStart) {}
    ~GatedWorker() override { Join(); }
    void Run() override { m_go.Wait(); }
    bool Running() const { return m_threadId.load() > 1; }

    TEvent m_go;

protected:
    bool Launch() override {
        m_launches.push_back(m_index);
        return !m_failsToStart && TThread::Launch();
    }

private:
    std::vector<size_t>& m_launches;
    size_t m_index;
    bool m_failsToStart;
};

// Plays the front end and the servers at once: each wait lets exactly one running worker end
// (the oldest or the newest started) and returns once it has ended. Since workers end only
// there, the driver must wait exactly once per started worker, and every wait must find the
// slots as full as the list allows, and never more than ten running.
class ScriptedHost : public IRefreshHost {
public:
    explicit ScriptedHost(bool newestFirst) : m_newestFirst(newestFirst) {}

    void LocateStatusBar() override {}
    void BeginProgress(const std::string&, int) override {}
    void FileServerRecord(const ServerRecord&, std::size_t) override {}
    void StepProgress() override { ++m_steps; }
    void SortRows() override {}
    void EndProgress() override {}

    void WaitForWorkerEnd(TEvent& workerEnded) override {
        ++m_waits;
        const auto running = static_cast<size_t>(std::count_if(
            m_workers.begin(), m_workers.end(), [](auto& w) { return w->Running(); }));
        EXPECT_GE(running, 1u) << "waiting with nothing running";
        EXPECT_LE(running, size_t{kMaxRunningWorkers});
        if (m_launches.size() < m_workers.size()) {
            EXPECT_EQ(running, size_t{kMaxRunningWorkers}) << "a slot left idle";
        }
        GatedWorker* chosen = nullptr;
        for (const auto& worker : m_workers) {
            if (worker->Running() && (chosen == nullptr || m_newestFirst)) {
                chosen = worker.get();
            }
        }
        if (chosen != nullptr) {
            chosen->m_go.Set();
            while (chosen->m_threadId.load() != 0) {
                workerEnded.Wait();
            }
        }
    }

    bool m_newestFirst;
    std::vector<std::unique_ptr<GatedWorker>> m_workers;
    std::vector<size_t> m_launches;
    int m_steps = 0;
    int m_waits = 0;
};

TEST(QuerySchedulerTest, AtMostTenRunStartedInListOrderEachOnce) {
    const std::set<size_t> failing = {0, 3, 10, 24, 39};
    for (size_t count : {0, 1, 9, 10, 11, 25, 40}) {
        for (int mode = 0; mode < 4; ++mode) {
            const bool newestFirst = mode & 1;
            const bool withFailures = mode & 2;
            SCOPED_TRACE(testing::Message() << "N=" << count << " mode=" << mode);
            ScriptedHost host(newestFirst);
            std::vector<TThread*> order;
            int failed = 0;
            for (size_t i = 0; i < count; ++i) {
                const bool fails = withFailures && failing.count(i) > 0;
                failed += fails;
                host.m_workers.push_back(std::make_unique<GatedWorker>(host.m_launches, i, fails));
                order.push_back(host.m_workers.back().get());
            }

            RunQueryWorkers(order, host);

            std::vector<size_t> expected(count);
            std::iota(expected.begin(), expected.end(), 0);
            EXPECT_EQ(host.m_launches, expected);
            EXPECT_EQ(host.m_steps, failed) << "one progress step per worker that never ran";
            EXPECT_EQ(host.m_waits, static_cast<int>(count) - failed);
            for (auto& worker : host.m_workers) {
                EXPECT_EQ(worker->m_threadId.load(), 0u);
            }
        }
    }
}

}  // namespace
