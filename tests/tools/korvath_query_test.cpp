#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <signal.h>

#include "net/serverrecord.h"
#include "tests/support/childprocess.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakemaster.h"
#include "tests/support/fakeudp.h"
#include "tests/support/hostilemodes.h"
#include "tests/support/jsonreader.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

namespace {

using kr::test::ChildRun;
using kr::test::FakeGameServers;
using kr::test::FakeMaster;
using kr::test::FleetEntry;
using kr::test::InfoReply;
using kr::test::Json;
using kr::test::MasterPage;
using kr::test::ParseJson;
using kr::test::ReadWholeFile;
using kr::test::RunQuery;
using kr::test::ScopedTempDir;

TEST(JsonReaderTest, TellsValidFromInvalid) {
    const Json good = ParseJson(R"({"a": [1, -2.5e3, true, null], "b": "x\u00e9\n\"", "c": {}})");
    ASSERT_EQ(good.type, Json::Type::Object);
    EXPECT_EQ(good["a"].items.at(1).number, -2500);
    EXPECT_EQ(good["b"].bytes, "x\xE9\n\"");
    EXPECT_EQ(ParseJson("\"\xC3\xA9\xC2\x80\"").bytes, "\xE9\x80");
    for (const char* bad :
         {"", "{", "{\"a\" 1}", "[1,]", "\"\x01\"", "\"\\x\"", "01", "1.", "\"\xC3\"",
          "\"\xC0\x80\"", "{} {}", "[\"a\"]]", "tru", "\"\\u0100\""}) {
        EXPECT_EQ(ParseJson(bad).type, Json::Type::Invalid) << bad;
    }
}

// The group order of the grid (versions, then game types); -1 for no group.
int GroupRank(const std::string& version, const std::string& type) {
    const std::vector<std::string> versions = {"1.00", "1.10", "1.20", "1.30", "1.40"};
    const std::vector<std::string> types = {"VLD", "TDM", "DM"};
    const auto v = std::find(versions.begin(), versions.end(), version) - versions.begin();
    const auto t = std::find(types.begin(), types.end(), type) - types.begin();
    return v < 5 && t < 3 ? static_cast<int>(v * 3 + t) : -1;
}

// Hostile texts from servers on loopback: the JSON stays valid and gives back the exact bytes,
// and the table shows no control character at all.
TEST(KorvathQueryTest, ServerTextsCannotBreakTheOutput) {
    ScopedTempDir dir(true);
    const std::string name = "q\"b\\s/\x01\x1b[31m\t\n\x7f\x80\x9b\xa0\xe9\xff";
    const std::string map = "map\x1b]0;x\x07";
    FakeGameServers servers({{InfoReply(0x89, name, 2, 3, 12, map, "", 0x05)},
                             {InfoReply(0x86, "odd\x1b", 1, 1, 8, "m", "", 0)}});
    for (bool json : {true, false}) {
        FakeMaster fake({MasterPage(0, {{{127, 0, 0, 1}, static_cast<uint16_t>(servers.Port(0))},
                                        {{127, 0, 0, 1}, static_cast<uint16_t>(servers.Port(1))}}),
                         MasterPage(7, {})});
        const std::string master = "127.0.0.1:" + std::to_string(fake.Port());
        const ChildRun run = RunQuery(json ? std::vector<std::string>{"--master", master, "--json"}
                                           : std::vector<std::string>{"--master", master});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        if (json) {
            const Json result = ParseJson(run.out);
            ASSERT_EQ(result.type, Json::Type::Object) << run.out;
            EXPECT_EQ(result["master"].bytes, master);
            EXPECT_EQ(result["listed"].Int(), 2);
            EXPECT_EQ(result["answered"].Int(), 2);
            const Json& group = result["groups"].items.at(0);
            EXPECT_EQ(group["version"].bytes + " " + group["gameType"].bytes, "1.20 TDM");
            const Json& row = group["servers"].items.at(0);
            EXPECT_EQ(row["name"].bytes, name);
            EXPECT_EQ(row["map"].bytes, map);
            EXPECT_EQ(row["playersText"].bytes, " 3/12");
            EXPECT_TRUE(row["private"].boolean && row["dedicated"].boolean);
            const Json& odd = result["ungrouped"].items.at(0);
            EXPECT_EQ(odd["address"].bytes, servers.Address(1));
            EXPECT_EQ(odd["version"].bytes + odd["gameType"].bytes, "1.??VLD");
        } else {
            for (char c : run.out) {
                ASSERT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << +c;
            }
            EXPECT_NE(run.out.find("\n1.20 TDM\n"), std::string::npos);
            EXPECT_NE(run.out.find("q\"b\\s/??[31m?????\xC2\xA0\xC3\xA9\xC3\xBF"),
                      std::string::npos)
                << run.out;
            EXPECT_NE(run.out.find("\nungrouped\n"), std::string::npos);
            EXPECT_TRUE(run.out.ends_with("\n2 server(s)\n"));
        }
    }
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 2u * 2 * 22) << "appended twice";
}

TEST(KorvathQueryTest, ExitStatusTellsUsageAndMasterFailures) {
    ScopedTempDir dir(true);
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--master"},
                                               {"--master", ":1"},
                                               {"--master", "h:0"},
                                               {"--master", "h:65536"},
                                               {"--json", "--bogus"},
                                               {"extra"},
                                               {"--master", "a b"}}) {
        const ChildRun run = RunQuery(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_NE(run.err.find("usage: korvath-query [--master HOST[:PORT]] [--json]"),
                  std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    const int closedPort = kr::test::FakeUdpSocket().Port();
    const ChildRun failed =
        RunQuery({"--master", "127.0.0.1:" + std::to_string(closedPort), "--json"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Connection To Master Server Failed"), std::string::npos);
    EXPECT_NE(failed.err.find("Failed to call Master Server"), std::string::npos);
    EXPECT_EQ(failed.out, "");
    // A host that cannot name anything (refused before any lookup) is a failure too.
    const ChildRun unresolved = RunQuery({"--master", "no_such_host"});
    EXPECT_EQ(unresolved.exitCode, 3);
    EXPECT_NE(unresolved.err.find("Invalid Server ip!"), std::string::npos);
    EXPECT_EQ(unresolved.out, "");
}

// A stop signal while queries wait on silent servers: those in flight end within their time-out,
// no other starts, nothing is printed, and "servers.txt" holds the whole list received.
TEST(KorvathQueryTest, StopSignalsEndTheRefreshWithinTheTimeOut) {
    ScopedTempDir dir(true);
    for (const auto& [signal, status, name] :
         {std::tuple{SIGINT, 130, "SIGINT"}, std::tuple{SIGTERM, 143, "SIGTERM"}}) {
        kr::test::SimProcess sim({"--servers", "200", "--silent", "100"});
        ASSERT_TRUE(sim.Started());
        const ChildRun run = RunQuery({"--master", sim.MasterAddress()}, 1500, signal);
        EXPECT_EQ(run.exitCode, status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(std::string("stopped by ") + name), std::string::npos) << run.err;
        EXPECT_LT(run.seconds, 15.0) << "40 s for the whole list";
        EXPECT_EQ(sim.Stats()["queries"], 10);
    }
    const std::string serversFile = ReadWholeFile("servers.txt");
    EXPECT_EQ(std::count(serversFile.begin(), serversFile.end(), '\n'), 400);
}

// Checks korvath-query's JSON against the fleet, listed `copies` times over: every server that
// answers under its group with the decoded fields, in ping order; every other one ungrouped (in
// list order when listed once).
void ExpectFleetRows(const Json& json, const std::vector<FleetEntry>& fleet, size_t copies) {
    ASSERT_EQ(json.type, Json::Type::Object);
    EXPECT_EQ(json["listed"].Int(), static_cast<long>(copies * fleet.size()));
    EXPECT_EQ(json["answered"].Int(), copies * std::count_if(fleet.begin(), fleet.end(),
                                                             [](auto& s) { return s.Answers(); }));
    std::map<std::string, const FleetEntry*> byAddress;
    std::vector<std::string> expectedUngrouped, ungrouped;
    for (size_t copy = 0; copy < copies; ++copy) {
        for (const FleetEntry& server : fleet) {
            byAddress[server.address] = &server;
            if (!server.Answers() ||
                GroupRank(VersionText(static_cast<uint8_t>(server.version)),
                          GameTypeText(static_cast<int8_t>(server.gameType))) < 0) {
                expectedUngrouped.push_back(server.address);
            }
        }
    }
    size_t shown = 0;
    int lastRank = -1;
    for (const Json& group : json["groups"].items) {
        const int rank = GroupRank(group["version"].bytes, group["gameType"].bytes);
        EXPECT_GT(rank, lastRank) << "groups in grid order, each once";
        lastRank = rank;
        ASSERT_FALSE(group["servers"].items.empty());
        double lastPing = -1;
        for (const Json& row : group["servers"].items) {
            ++shown;
            const FleetEntry* truth = byAddress[row["address"].bytes];
            ASSERT_NE(truth, nullptr) << row["address"].bytes;
            ASSERT_TRUE(truth->Answers()) << truth->address;
            SCOPED_TRACE(truth->address);
            EXPECT_EQ(group["version"].bytes, VersionText(static_cast<uint8_t>(truth->version)));
            EXPECT_EQ(group["gameType"].bytes, GameTypeText(static_cast<int8_t>(truth->gameType)));
            EXPECT_EQ(row["name"].bytes + "|" + row["map"].bytes + "|" + row["mod"].bytes,
                      truth->name + "|" + truth->map + "|" + truth->mod);
            EXPECT_EQ(row["players"].Int(), truth->players);
            EXPECT_EQ(row["maxPlayers"].Int(), truth->maxPlayers);
            EXPECT_EQ(row["dedicated"].boolean, (truth->flags & 1) != 0);
            EXPECT_EQ(row["private"].boolean, (truth->flags & 4) != 0);
            EXPECT_GE(row["ping"].number, lastPing) << "ascending ping";
            EXPECT_LT(row["ping"].number, 2000);
            lastPing = row["ping"].number;
        }
    }
    for (const Json& entry : json["ungrouped"].items) {
        ungrouped.push_back(entry["address"].bytes);
        const FleetEntry* truth = byAddress[entry["address"].bytes];
        ASSERT_NE(truth, nullptr);
        EXPECT_EQ(entry["ping"].Int() == 9999, !truth->Answers());
    }
    if (copies > 1) {
        std::sort(ungrouped.begin(), ungrouped.end());
        std::sort(expectedUngrouped.begin(), expectedUngrouped.end());
    }
    EXPECT_EQ(ungrouped, expectedUngrouped);
    EXPECT_EQ(shown + ungrouped.size(), copies * fleet.size());
}

size_t Lines(const std::string& path) {
    const std::string text = ReadWholeFile(path);
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Against the simulator: every answering server under its group with the decoded fields, in
// ping order; every other one ungrouped in list order; each queried once, at most ten at once.
TEST(KorvathQueryTest, SimulatedFleetComesOutGroupedAndInPingOrder) {
    ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "120", "--per-page", "25", "--silent", "10",
                              "--malformed", "15", "--delay", "20", "--delay-jitter", "30",
                              "--random", "7"});
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(sim.Fleet().size(), 120u);
    const ChildRun run = RunQuery({"--master", sim.MasterAddress(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectFleetRows(ParseJson(run.out), sim.Fleet(), 1);
    std::map<std::string, long> stats = sim.Stats();
    EXPECT_EQ(stats["queries"], 120);
    EXPECT_GE(stats["max_in_flight"], 1);
    EXPECT_LE(stats["max_in_flight"], 10);
    EXPECT_EQ(Lines("servers.txt"), 120u);
}

// Every hostile peer ends in bounded time and memory with the rows it must give. The endless
// master is cut at 65,536 addresses; its 65,535 queries are then stopped by SIGTERM.
TEST(KorvathQueryTest, HostilePeersEndInBoundedTimeAndMemory) {
    for (const kr::test::HostileMode& c : kr::test::HostileModes()) {
        SCOPED_TRACE(c.what);
        ScopedTempDir dir(true);
        kr::test::SimProcess sim(c.simOptions);
        ASSERT_TRUE(sim.Started());
        const ChildRun run =
            RunQuery({"--master", sim.MasterAddress(), "--json"}, c.endless ? 6000 : 0, SIGTERM);
        EXPECT_EQ(run.exitCode, c.endless ? 143 : c.Fails() ? 1 : 0) << run.err;
        EXPECT_LT(run.seconds, 20) << "against hangs: each mode ends in 2 to 5 s";
        EXPECT_LT(run.peakRssKb, 1024 * 1024) << "kB";
        EXPECT_EQ(Lines("servers.txt"), c.listed);
        if (c.copies > 0) {
            ExpectFleetRows(ParseJson(run.out), sim.Fleet(), c.copies);
        }
        if (c.endless) {
            EXPECT_NE(run.err.find("Master list too long: first 65535 server(s) kept"),
                      std::string::npos);
        }
    }
}

}  // namespace
