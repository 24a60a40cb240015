// SPDX-License-Identifier: GPL-3.0-or-later
// korvath-sim's network options: each server's round trip (--rtt), lost replies (--loss), the
// flaky share (--flaky), and the values it refuses.
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "net/serverquery.h"
#include "net/serverrecord.h"
#include "tests/support/childprocess.h"
#include "tests/support/queryjson.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

namespace {

using namespace kr::test;

// The fleet file's round trips lie in the range and the flaky share is counted among the servers
// that are not silent; a reply never comes sooner than its server's base round trip.
TEST(KorvathSimTest, EachServerKeepsItsRoundTripAndTheFlakyShare) {
    SimProcess sim(Words("--servers 40 --rtt 30-60 --silent 10 --flaky 25 --random 3"));
    const std::vector<FleetEntry> fleet = sim.Fleet();
    ASSERT_EQ(fleet.size(), 40u);
    int flaky = 0;
    for (const FleetEntry& server : fleet) {
        EXPECT_TRUE(server.rttMs >= 30 && server.rttMs <= 60) << server.rttMs;
        EXPECT_FALSE(server.flaky && !server.Answers()) << server.address;
        flaky += server.flaky;
    }
    EXPECT_EQ(flaky, 10);
    int checked = 0;
    for (const FleetEntry& server : fleet) {
        if (server.Answers() && !server.flaky && checked++ < 4) {
            ServerRecord record;
            const auto sent = std::chrono::steady_clock::now();
            QueryServer("127.0.0.1", server.port, record);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - sent;
            EXPECT_NE(record.m_ping, 9999u) << server.address;
            EXPECT_GE(took.count(), server.rttMs) << server.address;
        }
    }
}

TEST(KorvathSimTest, FullLossDropsEveryReply) {
    ScopedTempDir dir(true);
    SimProcess sim(Words("--servers 10 --loss 100"));
    const ChildRun run = RunQuery({"--master", sim.MasterAddress(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json result = ParseJson(run.out);
    EXPECT_EQ(result.value("listed", -1), 10);
    EXPECT_EQ(result.value("answered", -1), 0);
}

TEST(KorvathSimTest, RefusesBadNetworkValues) {
    ScopedTempDir dir(true);
    for (const char* options : {"--rtt 50", "--rtt 60-50", "--rtt -1-5", "--rtt 0-10001",
                                "--rtt 5-", "--rtt 1-2x", "--loss 101", "--flaky -1"}) {
        const ChildRun run = RunChild(KR_SIM_PATH, Words(options));
        EXPECT_EQ(run.exitCode, 2) << options;
        EXPECT_NE(run.err.find("bad value for"), std::string::npos) << run.err;
    }
}

}  // namespace
