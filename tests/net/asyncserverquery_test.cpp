// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/asyncserverquery.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "tests/support/fakegameservers.h"

namespace {

using namespace kr::test;

// Counts the calls of `ready` and waits for them, at most 10 s each (a deadline, not a timing).
struct ReadyCalls {
    std::mutex lock;
    std::condition_variable changed;
    int count = 0;
    std::function<void()> Callback() {
        return [this] {
            const std::lock_guard<std::mutex> hold(lock);
            ++count;
            changed.notify_all();
        };
    }
    bool WaitFor(int calls) {
        std::unique_lock<std::mutex> hold(lock);
        return changed.wait_for(hold, std::chrono::seconds(10), [&] { return count >= calls; });
    }
};

// Each query runs on a thread of its own and its answer is taken once `ready` came: a server that
// answers, a name that names no host (no answer, nothing sent), a text that names no server
// (nothing started); a second start while one runs is refused. A query still in flight when its
// object goes is dropped: `ready` is never called for it (the thread-sanitizer build runs this).
TEST(AsyncServerQueryTest, AnswersComeBackThroughReadyAndAQueryInFlightIsDropped) {
    FakeGameServers servers({{InfoReply(0x86, "open", 1, 3, 16, "m", "", 0), false, 200}});
    const std::tuple<std::string, bool, std::string, bool> cases[] = {
        {servers.Address(0), true, "open", true},
        {"a.invalid:27001", true, "?", false},
        {"no colon", false, "", false}};
    int answers = 0;
    ReadyCalls calls;
    AsyncServerQuery query(calls.Callback());
    for (const auto& [address, started, name, resolved] : cases) {
        ASSERT_EQ(query.Start(address), started) << address;
        if (!started) {
            continue;
        }
        EXPECT_FALSE(query.Start(address)) << "one at a time";
        ASSERT_TRUE(calls.WaitFor(++answers)) << address;
        const std::optional<ServerQueryAnswer> answer = query.Take();
        ASSERT_TRUE(answer.has_value());
        EXPECT_FALSE(query.Running());
        EXPECT_EQ(answer->record.m_name, name);
        EXPECT_EQ(answer->record.m_address, address);
        EXPECT_EQ(answer->resolved.has_value(), resolved);
        EXPECT_EQ(answer->record.m_ping == 9999, !resolved);
    }
    ReadyCalls dropped;
    auto inFlight = std::make_unique<AsyncServerQuery>(dropped.Callback());
    ASSERT_TRUE(inFlight->Start(servers.Address(0)));
    inFlight.reset();
    // Once the dropped query's request has arrived (within 10 s), the server answers it before
    // the next one: when that one has its answer, the dropped one had its own.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (servers.Requests(0).size() < 2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(query.Start(servers.Address(0)));
    ASSERT_TRUE(calls.WaitFor(++answers));
    EXPECT_EQ(servers.Requests(0).size(), 3u);
    EXPECT_EQ(dropped.count, 0);
}

}  // namespace
