// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverqueryloop.h"

#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "net/serveraddress.h"
#include "net/tevent.h"
#include "tests/support/fakegameservers.h"

namespace {

using namespace kr::test;

// 25 servers answering after 0 to 60 ms, two silent: each is asked once, never more than ten
// beyond those reported, each reported once with its own answer; a false from the report ends
// the run with nothing more asked.
TEST(ServerQueryLoopTest, TenAtMostInListOrderEachReportedOnceWithItsOwnAnswer) {
    std::vector<FakeServerScript> scripts;
    for (int i = 0; i < 25; ++i) {
        scripts.push_back({InfoReply(0x85, "s" + std::to_string(i), 0, 1, 8, "m", "", 1),
                           i == 3 || i == 17, (i * 37) % 60});
    }
    for (const size_t stopAfter : {size_t{25}, size_t{5}}) {
        SCOPED_TRACE(stopAfter);
        FakeGameServers servers(scripts);
        std::vector<ServerAddress> list;
        for (int i = 0; i < 25; ++i) {
            list.push_back({"127.0.0.1", static_cast<uint32_t>(servers.Port(i))});
        }
        TEvent stop(true);
        std::set<size_t> reported;
        RunServerQueries(list, stop, [&](std::span<const QueriedServer> ended) {
            for (const QueriedServer& s : ended) {
                EXPECT_TRUE(reported.insert(s.listIndex).second) << s.listIndex;
                const bool silent = scripts[s.listIndex].silent;
                EXPECT_EQ(s.record.m_version + "|" + s.record.m_name,
                          silent ? "|?" : "1.00|s" + std::to_string(s.listIndex));
                EXPECT_EQ(s.record.m_address, servers.Address(s.listIndex));
            }
            for (size_t i = reported.size() + 10; i < list.size(); ++i) {
                EXPECT_TRUE(servers.Requests(i).empty()) << i << " asked too soon";
            }
            return reported.size() < stopAfter;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // requests still on the way
        size_t asked = 0;  // servers asked: a prefix of the list, each once
        while (asked < list.size() && !servers.Requests(asked).empty()) {
            ++asked;
        }
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(servers.Requests(i).size(), i < asked ? 1u : 0u) << i;
        }
        EXPECT_GE(asked, reported.size());
        EXPECT_LE(asked, stopAfter == 25 ? 25 : reported.size() + 10);
        EXPECT_EQ(reported.size() >= 25, stopAfter == 25);
    }
}

}  // namespace
