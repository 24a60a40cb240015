// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
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
#include "tests/support/queryjson.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

namespace {

using namespace kr::test;
using Texts = std::vector<std::optional<std::string>>;

// The group order of the grid (versions, then game types); -1 for no group.
int GroupRank(const std::optional<std::string>& version, const std::optional<std::string>& type) {
    const std::vector<std::string> versions = {"1.00", "1.10", "1.20", "1.30"};
    const std::vector<std::string> types = {"VLD", "TDM", "DM"};
    const auto v = std::find(versions.begin(), versions.end(), version) - versions.begin();
    const auto t = std::find(types.begin(), types.end(), type) - types.begin();
    return v < 4 && t < 3 ? static_cast<int>(v * 3 + t) : -1;
}

// Terminal columns up to the text (every byte but UTF-8 continuation bytes takes one); npos when
// the line does not hold it.
size_t ColumnOf(const std::string& line, const std::string& text) {
    const size_t at = line.find(text);
    return at == std::string::npos ? at
                                   : std::count_if(line.begin(), line.begin() + at, [](char c) {
                                         return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                                     });
}

// Server texts that are hostile or longer than their column, through each output: the JSON stays
// valid and gives back the exact bytes; the table shows no control character and cuts long texts
// with "…", so each column starts at the same place on every line, also for the server it cannot
// group; progress goes to standard error only when it is a terminal, and so do trace lines when
// KR_TRACE=1 asks for them.
TEST(KorvathQueryTest, ServerTextsKeepEachOutputIntactAndOnlyATerminalSeesProgress) {
    ScopedTempDir dir(true);
    const std::string name = "q\"b\\s/\x01\x1b[31m\t\n\x7f\x80\x9b\xa0\xe9\xff";
    const std::string map = "map\x1b]0;x\x07";
    FakeGameServers servers({{InfoReply(0x87, std::string(40, 'N'), 2, 120, 127,
                                        "m\xe9" + std::string(30, 'M'), "mod", 0)},
                             {InfoReply(0x89, name, 2, 3, 12, map, std::string(20, 'D'), 0x05)},
                             {InfoReply(0x86, "odd\x1b", 1, 1, 8, "m", "", 0)}});
    for (const std::string output : {"json", "pipe", "terminal"}) {
        SCOPED_TRACE(output);
        FakeMaster fake({MasterPage(0, servers.Records()), MasterPage(7, {})});
        const std::string master = "127.0.0.1:" + std::to_string(fake.Port());
        // `script` gives the program a terminal for both outputs, read back through its pipe.
        const TestMutexName mutex;
        setenv("KR_UPDATE_MUTEX", mutex.name.c_str(), 1);
        setenv("KR_TRACE", output == "pipe" ? "1" : "0", 1);
        const ChildRun run =
            output == "terminal"
                ? RunChild(
                      "/usr/bin/script",
                      {"-qec", std::string(KR_QUERY_PATH) + " --master " + master, "/dev/null"})
                : RunQuery(output == "json" ? std::vector<std::string>{"--master", master, "--json"}
                                            : std::vector<std::string>{"--master", master});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const bool progress = run.out.find("\rQueried 1 of 3 servers") != std::string::npos &&
                              run.out.find("\r\x1b[K") != std::string::npos;
        EXPECT_EQ(progress, output == "terminal") << run.out;
        EXPECT_EQ(run.err.find('\r'), std::string::npos);
        EXPECT_EQ(run.err.find("Wait ok\n") != std::string::npos, output == "pipe") << run.err;
        EXPECT_EQ(run.out.find("Wait ok"), std::string::npos);
        if (output == "json") {
            const Json result = ParseJson(run.out);
            ASSERT_TRUE(result.is_object()) << run.out;
            const Json& group = result.at("groups").at(1);
            const Json& row = group.at("servers").at(0);
            const Json& odd = result.at("ungrouped").at(0);
            EXPECT_EQ(
                (Texts{Text(result, "master"), Text(group, "version"), Text(group, "gameType"),
                       Text(row, "name"), Text(row, "map"), Text(row, "playersText"),
                       Text(odd, "address"), Text(odd, "version"), Text(odd, "gameType"),
                       Text(odd, "name"), Text(odd, "map"), Text(odd, "playersText")}),
                (Texts{master, "1.20", "TDM", name, map, " 3/12", servers.Address(2), "1.??", "VLD",
                       "odd\x1b", "m", " 1/ 8"}));
            continue;
        }
        std::vector<std::string> rows;  // the long texts, the hostile ones, the ungrouped server
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.find("127.0.0.1:") != std::string::npos) {
                rows.push_back(line);
            }
        }
        ASSERT_EQ(rows.size(), 3u) << run.out;
        EXPECT_EQ(ColumnOf(rows[0], "127.0.0.1:"), ColumnOf(rows[1], "127.0.0.1:"));
        EXPECT_EQ(ColumnOf(rows[0], "127.0.0.1:"), ColumnOf(rows[2], "127.0.0.1:"));
        EXPECT_EQ(ColumnOf(rows[0], "mod"), ColumnOf(rows[1], std::string(11, 'D') + "\u2026"));
        EXPECT_NE(rows[0].find(std::string(23, 'N') + "\u2026  m\xC3\xA9" + std::string(13, 'M') +
                               "\u2026"),
                  std::string::npos);
        if (output == "pipe") {
            for (char c : run.out) {
                ASSERT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << +c;
            }
            for (const std::string& shown : std::vector<std::string>{
                     "\n1.20 TDM\n", "q\"b\\s/??[31m?????\xC2\xA0\xC3\xA9\xC3\xBF",
                     "\nNot grouped (no answer, or an unknown version or game type)\n",
                     "  odd?" + std::string(22, ' ') + "m ", " 1/ 8  ", " 1.?? VLD\n"}) {
                EXPECT_NE(run.out.find(shown), std::string::npos) << shown << run.out;
            }
            EXPECT_TRUE(run.out.ends_with("\n3 server(s)\n"));
        }
    }
    unsetenv("KR_TRACE");
    EXPECT_EQ(ReadWholeFile("servers.txt").size(), 3u * 3 * 22) << "appended on every run";
}

// Usage errors exit with 2, the usage and the argument at fault; -h is --help. A closed master
// port exits with 1 and its two messages, a host that cannot be resolved (refused before any
// lookup) with 3, a result that cannot be written with 4 and the reason; none prints a result.
TEST(KorvathQueryTest, ExitStatusTellsUsageMasterAndOutputFailures) {
    ScopedTempDir dir(true);
    const std::string closed = "127.0.0.1:" + std::to_string(FakeUdpSocket().Port());
    FakeMaster emptyList({MasterPage(7, {})});
    const std::string listing = "127.0.0.1:" + std::to_string(emptyList.Port());
    const std::string closed2 = "127.0.0.1:" + std::to_string(FakeUdpSocket().Port());
    const std::string usage =
        "usage: korvath-query [--master HOST[:PORT]]... [--last-list] [--json]";
    // The texts are looked for on standard error, on standard output for exit 0 (the help), which
    // is the only case that prints anything there. Exit 4 runs with standard output on /dev/full.
    const std::tuple<std::vector<std::string>, int, std::vector<std::string>> cases[] = {
        // First, while the master waits for its request (5 s).
        {{"--master", listing},
         4,
         {"korvath-query: cannot write the result: No space left on device\n"}},
        {{"--master"}, 2, {usage}},
        {{"--master", ":1"}, 2, {"korvath-query: bad --master value: :1\n", usage}},
        {{"--master", "h:0"}, 2, {usage}},
        {{"--master", "h:65536"}, 2, {usage}},
        {{"--json", "--bogus"}, 2, {"korvath-query: unknown argument: --bogus\n", usage}},
        {{"--master", "a b"}, 2, {usage}},
        {{"-h"}, 0, {usage}},
        {{"--master", closed, "--json"},
         1,
         {"Connection To Master Server Failed", "Failed to call Master Server"}},
        {{"--master", closed, "--master", closed2},
         1,
         {"korvath-query: master " + closed + " did not answer\n",
          "korvath-query: master " + closed2 + " did not answer\n"}},
        {{"--master", "no-such-host.invalid"}, 3, {"Invalid Server ip!"}},
    };
    for (const auto& [arguments, exitCode, texts] : cases) {
        SCOPED_TRACE(arguments.back());
        std::vector<std::string> toFull = {"-c", "exec \"$0\" \"$@\" >/dev/full", KR_QUERY_PATH};
        toFull.insert(toFull.end(), arguments.begin(), arguments.end());
        const ChildRun run = exitCode == 4 ? RunChild("/bin/sh", toFull) : RunQuery(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        for (const std::string& text : texts) {
            EXPECT_NE((exitCode == 0 ? run.out : run.err).find(text), std::string::npos) << text;
        }
        EXPECT_EQ(run.out.empty(), exitCode != 0) << run.out;
    }
}

// The query speed options: a value missing, not a plain decimal number or outside its range exits
// with 2 naming the argument and its range; values at the ends of their ranges are taken, also
// over --fast (the closed master then fails as ever).
TEST(KorvathQueryTest, QuerySpeedOptionsRefuseValuesOutsideTheirRanges) {
    const std::string closed = "127.0.0.1:" + std::to_string(FakeUdpSocket().Port());
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"--in-flight", "0"}, 2, "bad --in-flight value: 0 (1-100)\n"},
        {{"--in-flight", "101"}, 2, "bad --in-flight value: 101 (1-100)\n"},
        {{"--timeout", "199"}, 2, "bad --timeout value: 199 (200-5000)\n"},
        {{"--timeout", "5001"}, 2, "bad --timeout value: 5001 (200-5000)\n"},
        {{"--retries", "4"}, 2, "bad --retries value: 4 (0-3)\n"},
        {{"--retries", "1x"}, 2, "bad --retries value: 1x (0-3)\n"},
        {{"--pace", "101"}, 2, "bad --pace value: 101 (0-100)\n"},
        {{"--pace", "-1"}, 2, "bad --pace value: -1 (0-100)\n"},
        {{"--fast", "--timeout"}, 2, "korvath-query: --timeout needs MS (200-5000)\n"},
        {{"--in-flight", "1", "--timeout", "5000", "--retries", "3", "--pace", "100", "--fast",
          "--master", closed},
         1,
         "Failed to call Master Server"},
    };
    for (const auto& [arguments, exitCode, text] : cases) {
        SCOPED_TRACE(text);
        const ChildRun run = RunQuery(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    }
}

// With --last-list a whole list is kept in the cache folder, and queried when the master is
// silent; the JSON tells which list was used.
TEST(KorvathQueryTest, LastListIsQueriedWhenTheMasterIsSilent) {
    ScopedTempDir dir(true);
    setenv("XDG_CACHE_HOME", dir.Path().c_str(), 1);
    FakeGameServers servers({{InfoReply(0x85, "a", 0, 1, 32, "map", "", 1)}});
    FakeMaster fake({MasterPage(0, servers.Records()), MasterPage(7, {})});
    const std::string master = "127.0.0.1:" + std::to_string(fake.Port());
    FakeUdpSocket silentMaster;
    const std::string silent = "127.0.0.1:" + std::to_string(silentMaster.Port());
    const ChildRun listed = RunQuery({"--master", master, "--last-list", "--json"});
    const ChildRun kept = RunQuery({"--master", silent, "--last-list", "--json"});
    unsetenv("XDG_CACHE_HOME");
    const Json first = ParseJson(listed.out);
    const Json second = ParseJson(kept.out);
    ASSERT_TRUE(first.is_object() && second.is_object()) << listed.err << kept.err;
    EXPECT_EQ(std::tuple(listed.exitCode, Text(first.at("list"), "source"),
                         Text(first.at("list"), "master"), kept.exitCode,
                         Text(second.at("list"), "source"), second.at("list").contains("time"),
                         Text(second.at("groups").at(0).at("servers").at(0), "name"),
                         LineCount("servers.txt")),
              std::tuple(0, "master", master, 0, "last-list", true, "a", 1u));
    EXPECT_NE(kept.err.find("korvath-query: master " + silent + " did not answer\n"),
              std::string::npos);
}

// A stop signal while queries wait on silent servers: those in flight end within their time-out,
// no other starts, nothing is printed, and "servers.txt" holds the whole list received.
TEST(KorvathQueryTest, StopSignalsEndTheRefreshWithinTheTimeOut) {
    ScopedTempDir dir(true);
    for (const auto& [signal, status, name] :
         {std::tuple{SIGINT, 130, "SIGINT"}, std::tuple{SIGTERM, 143, "SIGTERM"}}) {
        SimProcess sim({"--servers", "200", "--silent", "100"});
        ASSERT_TRUE(sim.Started());
        const ChildRun run = RunQuery({"--master", sim.MasterAddress()}, 1500, signal);
        EXPECT_EQ(run.exitCode, status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(std::string("stopped by ") + name), std::string::npos) << run.err;
        EXPECT_LT(run.seconds, 15.0) << "40 s for the whole list";
        EXPECT_EQ(sim.Stats()["queries"], 10);
    }
    EXPECT_EQ(LineCount("servers.txt"), 400u);
}

// Checks korvath-query's JSON against the fleet, listed `copies` times over: every answering server
// of a known group under it with the decoded fields, groups in grid order; every other one
// ungrouped with its texts, or with 9999 and placeholders when it did not answer; rows of each
// group and the ungrouped ones in ping order.
void ExpectFleetRows(const std::string& output, const std::vector<FleetEntry>& fleet, int copies) {
    const Json json = ParseJson(output);
    ASSERT_TRUE(json.is_object());
    std::vector<Texts> grouped, ungrouped, expectedGrouped, expectedUngrouped;
    long answering = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (const FleetEntry& s : fleet) {
            answering += s.Answers();
            const std::string version =
                s.Answers() ? VersionText(static_cast<uint8_t>(s.version)) : "";
            const std::string type =
                s.Answers() ? GameTypeText(static_cast<int8_t>(s.gameType)) : "";
            if (GroupRank(version, type) < 0) {
                expectedUngrouped.push_back({s.address, version, type, s.Answers() ? s.name : "?",
                                             s.Answers() ? s.map : "?",
                                             std::to_string(s.Answers() ? s.players : 0),
                                             std::to_string(!s.Answers())});
            } else {
                expectedGrouped.push_back({s.address, version, type, s.name, s.map, s.mod,
                                           std::to_string(s.players), std::to_string(s.maxPlayers),
                                           std::to_string(s.flags & 1),
                                           std::to_string((s.flags & 4) != 0)});
            }
        }
    }
    EXPECT_EQ(json.value("listed", -1L), copies * static_cast<long>(fleet.size()));
    EXPECT_EQ(json.value("answered", -1L), answering);
    const auto expectPingOrder = [](const Json& rows) {
        double lastPing = -1;
        for (const Json& row : rows) {
            const double ping = row.value("ping", -1.0);
            EXPECT_GE(ping, lastPing) << "ascending ping";
            lastPing = ping;
        }
    };
    int lastRank = -1;
    for (const Json& group : json.at("groups")) {
        const int rank = GroupRank(Text(group, "version"), Text(group, "gameType"));
        EXPECT_GT(rank, lastRank) << "groups in grid order, each once";
        lastRank = rank;
        ASSERT_FALSE(group.at("servers").empty());
        expectPingOrder(group.at("servers"));
        for (const Json& row : group.at("servers")) {
            grouped.push_back({Text(row, "address"), Text(group, "version"),
                               Text(group, "gameType"), Text(row, "name"), Text(row, "map"),
                               Text(row, "mod"), std::to_string(row.value("players", -999)),
                               std::to_string(row.value("maxPlayers", -999)),
                               std::to_string(row.value("dedicated", false)),
                               std::to_string(row.value("private", false))});
            EXPECT_LT(row.value("ping", -1.0), 2000) << "answered in time";
        }
    }
    expectPingOrder(json.at("ungrouped"));
    for (const Json& entry : json.at("ungrouped")) {
        ungrouped.push_back({Text(entry, "address"), Text(entry, "version"),
                             Text(entry, "gameType"), Text(entry, "name"), Text(entry, "map"),
                             std::to_string(entry.value("players", -999)),
                             std::to_string(entry.value("ping", 0) == 9999)});
    }
    for (std::vector<Texts>* rows : {&grouped, &expectedGrouped, &ungrouped, &expectedUngrouped}) {
        std::sort(rows->begin(), rows->end());
    }
    EXPECT_EQ(grouped, expectedGrouped);
    EXPECT_EQ(ungrouped, expectedUngrouped);
}

// korvath-query against the simulator, an ordinary fleet and every hostile peer: each run ends in
// bounded time and memory with the rows the fleet gives, each listed server queried once, at most
// ten at once. The endless master is cut at 65,535 addresses, whose queries SIGTERM then stops.
TEST(KorvathQueryTest, SimulatedFleetsComeOutGroupedInPingOrderInBoundedTimeAndMemory) {
    std::vector<HostileMode> modes = {
        {"ordinary fleet",
         Words(
             "--servers 120 --per-page 25 --silent 10 --malformed 15 --delay 20 --delay-jitter 30 "
             "--random 7"),
         120, 1, false}};
    modes.insert(modes.end(), HostileModes().begin(), HostileModes().end());
    for (const HostileMode& c : modes) {
        SCOPED_TRACE(c.what);
        ScopedTempDir dir(true);
        SimProcess sim(c.simOptions);
        ASSERT_TRUE(sim.Started());
        const ChildRun run =
            RunQuery({"--master", sim.MasterAddress(), "--json"}, c.endless ? 6000 : 0, SIGTERM);
        EXPECT_EQ(run.exitCode, c.endless ? 143 : c.Fails() ? 1 : 0) << run.err;
        EXPECT_LT(run.seconds, 20) << "against hangs: each run ends in 2 to 5 s";
        EXPECT_LT(run.peakRssKb, 1024 * 1024) << "kB";
        EXPECT_EQ(LineCount("servers.txt"), c.listed);
        if (c.copies > 0) {
            ExpectFleetRows(run.out, sim.Fleet(), c.copies);
        }
        EXPECT_EQ(
            run.err.find("Master list too long: first 65535 server(s) kept") != std::string::npos,
            c.endless);
        std::map<std::string, long> stats = sim.Stats();
        if (c.endless) {
            EXPECT_GT(stats["max_in_flight"], 1) << "its 20 ms replies overlap";
        } else {
            EXPECT_EQ(stats["queries"], c.Fails() ? 0 : static_cast<long>(c.listed));
        }
        EXPECT_LE(stats["max_in_flight"], 10);
    }
}

}  // namespace
