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

class GatedWorker;

// Plays the front end and the servers at once: each wait lets exactly one running worker end
// (the oldest or the newest started) and returns once it has ended. Since workers end only
// there, the driver must wait exactly once per started worker, and every wait must find the
// slots as full as the list allows.
class ScriptedHost : public IRefreshHost {
public:
    enum class Release { Oldest, Newest };
    ScriptedHost(Release policy, const std::vector<std::unique_ptr<GatedWorker>>& workers)
        : m_policy(policy), m_workers(workers) {}

    void LocateStatusBar() override {}
    void BeginProgress(const std::string&, int) override {}
    void FileServerRecord(const ServerRecord&, std::size_t) override {}
    void StepProgress() override { ++m_steps; }
    void SortRows() override {}
    void EndProgress() override {}
    void WaitForWorkerEnd(TEvent& workerEnded) override;

    size_t Running() const;
    void OnLaunch(size_t index) {
        EXPECT_LT(Running(), static_cast<size_t>(kMaxRunningWorkers))
            << "worker " << index << " started while ten were running";
        m_launches.push_back(index);
    }

    Release m_policy;
    const std::vector<std::unique_ptr<GatedWorker>>& m_workers;
    std::vector<size_t> m_launches;
    int m_steps = 0;
    int m_waits = 0;
};

class GatedWorker : public TThread {
public:
    GatedWorker(ScriptedHost& host, size_t index, bool failsToStart)
        : m_host(host), m_index(index), m_failsToStart(failsToStart) {}
    ~GatedWorker() override { Join(); }

    void Run() override { m_go.Wait(); }
    bool Launched() const { return m_launched; }

    TEvent m_go;

protected:
    bool Launch(std::thread& handle) override {
        m_host.OnLaunch(m_index);
        m_launched = true;
        return !m_failsToStart && TThread::Launch(handle);
    }

private:
    ScriptedHost& m_host;
    size_t m_index;
    bool m_failsToStart;
    bool m_launched = false;
};

size_t ScriptedHost::Running() const {
    return static_cast<size_t>(std::count_if(m_workers.begin(), m_workers.end(), [](auto& w) {
        return w->Launched() && w->m_threadId.load() != 0;
    }));
}

void ScriptedHost::WaitForWorkerEnd(TEvent& workerEnded) {
    ++m_waits;
    const size_t running = Running();
    EXPECT_GE(running, 1u) << "waiting with nothing running";
    if (m_launches.size() < m_workers.size()) {
        EXPECT_EQ(running, static_cast<size_t>(kMaxRunningWorkers)) << "a slot left idle";
    }
    GatedWorker* chosen = nullptr;
    for (const auto& worker : m_workers) {
        if (worker->Launched() && worker->m_threadId.load() != 0) {
            chosen = worker.get();
            if (m_policy == Release::Oldest) {
                break;
            }
        }
    }
    if (chosen == nullptr) {
        return;
    }
    chosen->m_go.Set();
    while (chosen->m_threadId.load() != 0) {
        workerEnded.Wait();
    }
}

TEST(QuerySchedulerTest, AtMostTenRunStartedInListOrderEachOnce) {
    for (size_t count : {0, 1, 9, 10, 11, 25, 40}) {
        for (auto policy : {ScriptedHost::Release::Oldest, ScriptedHost::Release::Newest}) {
            for (const std::set<size_t>& failing :
                 {std::set<size_t>{}, std::set<size_t>{0, 3, 10, 24, 39}}) {
                SCOPED_TRACE(testing::Message()
                             << "N=" << count << " policy=" << static_cast<int>(policy)
                             << " failing=" << failing.size());
                std::vector<std::unique_ptr<GatedWorker>> workers;
                ScriptedHost host(policy, workers);
                for (size_t i = 0; i < count; ++i) {
                    workers.push_back(std::make_unique<GatedWorker>(host, i, failing.count(i)));
                }
                std::vector<TThread*> order;
                for (auto& worker : workers) {
                    order.push_back(worker.get());
                }

                RunQueryWorkers(order, host);

                std::vector<size_t> expected(count);
                std::iota(expected.begin(), expected.end(), 0);
                EXPECT_EQ(host.m_launches, expected);
                const int failed = static_cast<int>(std::count_if(
                    failing.begin(), failing.end(), [&](size_t i) { return i < count; }));
                EXPECT_EQ(host.m_steps, failed) << "one progress step per worker that never ran";
                EXPECT_EQ(host.m_waits, static_cast<int>(count) - failed);
                for (auto& worker : workers) {
                    EXPECT_EQ(worker->m_threadId.load(), 0u);
                }
            }
        }
    }
}

}  // namespace
