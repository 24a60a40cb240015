#include "net/tthread.h"

#include <unistd.h>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records the operating-system thread that ran it (the kernel's id, which is not reused soon).
class IdThread : public TThread {
public:
    explicit IdThread(std::set<pid_t>& ids, std::mutex& lock) : m_ids(ids), m_lock(lock) {}
    ~IdThread() override { Join(); }
    void Run() override {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_ids.insert(gettid());
    }

private:
    std::set<pid_t>& m_ids;
    std::mutex& m_lock;
};

// Rounds of ten runs at once, each round joined before the next: the runs reuse the threads of
// the first round instead of starting one thread per run.
TEST(TThreadPoolTest, RunsReuseThePoolsThreads) {
    std::set<pid_t> ids;
    std::mutex lock;
    for (int round = 0; round < 8; ++round) {
        std::vector<std::unique_ptr<IdThread>> runs;
        for (int i = 0; i < 10; ++i) {
            runs.push_back(std::make_unique<IdThread>(ids, lock));
            ASSERT_TRUE(runs.back()->Start());
        }
    }
    EXPECT_LE(ids.size(), 10u);
    EXPECT_EQ(ids.count(gettid()), 0u);
}

}  // namespace
