// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "net/serveraddress.h"
#include "net/serverqueryloop.h"
#include "net/tevent.h"
#include "tests/support/fakegameservers.h"

namespace {

using namespace kr::test;

// `count` servers scripted alike.
std::vector<FakeServerScript> Fleet(int count, FakeServerScript script) {
    return std::vector<FakeServerScript>(static_cast<size_t>(count), script);
}

// A speed beyond the described one on a fake fleet: never more in flight than it allows (and more
// than 10 when it allows more), its pace kept between sends (the first and the last at least
// half the paces apart: a busy machine may see the first late), each silent server asked again as
// often as it allows and no more (a ping then measured from the query answered), no more than 10 in
// flight once most have timed out (the 11th server that answers is asked only after one of the 10
// before it has answered) and more again once they answer, and each server reported once.
TEST(QuerySpeedTest, FleetSeesTheLimitsThePaceTheRetriesAndTheBackOff) {
    const Bytes reply = InfoReply(0x85, "s", 0, 1, 8, "m", "", 1);
    struct Case {
        const char* name;
        QuerySpeed speed;
        std::vector<FakeServerScript> fleet;
        int mostOwedAtLeast;  // answers owed at once, at some time
        size_t first, next;   // `next` is asked only after one of [first, next) has answered
    };
    std::vector<Case> cases = {
        {"in flight", {12, 1000, 0, 0, false}, Fleet(30, {reply, false, 250}), 11, 0, 12},
        {"pace", {100, 1000, 0, 20, false}, Fleet(10, {reply}), 0, 0, 0},
        {"retries", {20, 1000, 1, 0, false}, Fleet(8, {reply}), 0, 0, 0},
        {"back-off", {20, 1000, 0, 0, true}, Fleet(20, {{}, true}), 15, 20, 30},
    };
    cases[2].fleet[2].silent = cases[2].fleet[5].silent = true;
    cases[2].fleet[6].silentFor = 1;
    const std::vector<FakeServerScript> answering = Fleet(40, {reply, false, 100});
    cases[3].fleet.insert(cases[3].fleet.end(), answering.begin(), answering.end());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeGameServers servers(c.fleet);
        std::vector<ServerAddress> list;
        for (size_t i = 0; i < c.fleet.size(); ++i) {
            list.push_back({"127.0.0.1", static_cast<uint32_t>(servers.Port(i))});
        }
        TEvent stop(true);
        std::vector<int> reported(list.size());
        RunServerQueries(
            list, stop,
            [&](std::vector<QueriedServer>& ended) {
                for (const QueriedServer& s : ended) {
                    ++reported[s.listIndex];
                    const FakeServerScript& script = c.fleet[s.listIndex];
                    EXPECT_EQ(s.record.m_ping == 9999, script.silent) << s.listIndex;
                    if (!script.silent) {
                        EXPECT_LT(s.record.m_ping, c.speed.timeoutMs) << s.listIndex;
                    }
                }
                return true;
            },
            c.speed);

        std::vector<std::chrono::steady_clock::time_point> firstSends;
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(reported[i], 1) << i;
            const std::vector<SeenRequest> seen = servers.Seen(i);
            const FakeServerScript& script = c.fleet[i];
            const size_t asked = script.silent ? 1 + c.speed.retries : 1 + script.silentFor;
            ASSERT_EQ(seen.size(), asked) << i;
            firstSends.push_back(seen.front().at);
        }
        EXPECT_GE(firstSends[c.next] -
                      *std::min_element(firstSends.begin() + c.first, firstSends.begin() + c.next),
                  std::chrono::milliseconds(c.fleet[c.first].delayMs));
        EXPECT_LE(servers.MostOwed(), c.speed.inFlight);
        EXPECT_GE(servers.MostOwed(), c.mostOwedAtLeast);
        std::sort(firstSends.begin(), firstSends.end());
        EXPECT_GE(firstSends.back() - firstSends.front(),
                  std::chrono::milliseconds(c.speed.paceMs * static_cast<int>(list.size()) / 2));
    }
}

}  // namespace
