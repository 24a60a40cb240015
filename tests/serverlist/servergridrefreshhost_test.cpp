// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/servergridrefreshhost.h"

#include "net/serverrecord.h"
#include "net/tevent.h"
#include "serverlist/servergrid.h"
#include "tests/serverlist/servergridtesting.h"
#include "tests/support/gridinvariants.h"

#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <semaphore>
#include <set>
#include <thread>
#include <vector>

namespace {

// Records where each progress step ran: on the grid's thread, as the window's front end does.
class CountingHost : public ServerGridRefreshHost {
public:
    using ServerGridRefreshHost::ServerGridRefreshHost;

    void StepProgress() override {
        RunOnGridThread([this] { m_threads.insert(QThread::currentThread()); });
    }

    std::multiset<QThread*> m_threads;  // grid's thread only
};

// A worker's filing and step run on the grid's thread, which handles its events (a timer here)
// while it waits for the worker's end, and the wait ends with that end.
TEST(ServerGridRefreshHostTest, WorkerCallsRunOnTheGridThreadWhileItWaits) {
    kr::test::PreparedGrid grid;
    CountingHost host(&grid);
    TEvent ended;
    std::atomic<bool> timerRan{false};
    QTimer::singleShot(0, [&] { timerRan = true; });
    std::thread worker([&] {
        while (!timerRan) {  // the grid's thread is in its wait by now
            std::this_thread::yield();
        }
        host.FileServerRecord(kr::test::MakeRecord("1.30", "VLD"), 0);
        host.StepProgress();
        const std::vector<QueriedServer> posted{{kr::test::MakeRecord("1.30", "VLD"), 1},
                                                {kr::test::MakeRecord("1.30", "TDM"), 2}};
        std::binary_semaphore filed{0};
        host.PostFileAndStep(posted, [&] { filed.release(); });
        filed.acquire();  // the posted servers must stay as they are until then
        ended.Set();
    });
    host.WaitForWorkerEnd(ended);
    worker.join();
    EXPECT_FALSE(ended.TryWait()) << "the wait consumed the end";
    EXPECT_EQ(grid.GetChildCount(grid.FindGroupNode("1.30", "VLD")), 2);
    EXPECT_EQ(grid.GetChildCount(grid.FindGroupNode("1.30", "TDM")), 1);
    EXPECT_EQ(host.m_threads,
              std::multiset<QThread*>({grid.thread(), grid.thread(), grid.thread()}));
    EXPECT_TRUE(kr::test::GridInvariantsHold(grid));
}

// Servers posted to a grid that goes before it handles its events are never filed, and the
// poster still hears of it, so a query thread waiting for that never hangs.
TEST(ServerGridRefreshHostTest, PostedServersAreReportedFiledWhenTheGridGoesFirst) {
    auto grid = std::make_unique<kr::test::PreparedGrid>();
    CountingHost host(grid.get());
    const std::vector<QueriedServer> posted{{kr::test::MakeRecord("1.30", "VLD"), 0}};
    std::atomic<bool> filed{false};
    std::thread([&] { host.PostFileAndStep(posted, [&] { filed = true; }); }).join();
    EXPECT_FALSE(filed) << "filed before the grid's thread handled its events";
    grid.reset();
    EXPECT_TRUE(filed);
    EXPECT_TRUE(host.m_threads.empty());
}

}  // namespace
