// SPDX-License-Identifier: GPL-3.0-or-later
// A full refresh of 2,000 instantly answering servers: korvath-query against korvath-sim, both
// child processes on loopback. Reports the query's wall time, CPU time (user + system) and peak
// resident memory against the lower bound: with at most 10 queries in flight, N servers need at
// least N / 10 consecutive round trips, each one loopback query as measured here in-process.
// BM_QueryLoop times the query loop alone, in this process over the same fleet: no process start,
// no download, no output. What korvath-query takes beyond it is its own overhead.
// BM_FullRefreshAtCap: the list at its cap, 65,535 addresses (257 full pages), from an endless
// master that lists its 16,384 servers round and round (one address has one port, and loopback
// has too few ports and the simulator too few descriptors for 65,535 servers of their own).
// BM_RealisticFleet: the realistic fleet (bench/realisticfleet.h), about a minute at the described
// speed; its wall time against its bound and the pings' mean error against the fleet's round
// trips. `refresh_bench --query-args "ARGS"` gives korvath-query ARGS there, and the bound is taken
// at the speed they ask for.
#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/realisticfleet.h"
#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/serverqueryloop.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "tests/support/childprocess.h"
#include "tests/support/queryjson.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"
#include "tools/korvath-query/queryoptions.h"

namespace {

using Clock = std::chrono::steady_clock;

// korvath-query against korvath-sim run with simOptions, listing `servers` addresses.
void RunFullRefresh(benchmark::State& state, int servers,
                    const std::vector<std::string>& simOptions) {
    kr::test::ScopedTempDir dir(true);  // "servers.txt" grows here
    double wall = 0, cpu = 0, roundTrip = 0;
    long peakKb = 0;
    for (auto _ : state) {
        kr::test::SimProcess sim(simOptions);
        const kr::test::ChildRun run =
            sim.Started() ? kr::test::RunQuery({"--master", sim.MasterAddress(), "--json"})
                          : kr::test::ChildRun{};
        if (run.exitCode != 0) {
            state.SkipWithError("korvath-sim or korvath-query failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        wall += run.seconds;
        cpu += run.cpuSeconds;
        peakKb = std::max(peakKb, run.peakRssKb);
        // One round trip: the mean of up to 200 info queries one after another.
        const std::vector<kr::test::FleetEntry> fleet = sim.Fleet();
        const size_t count = std::min<size_t>(fleet.size(), 200);
        ServerRecord record;
        const auto queries = Clock::now();
        for (size_t i = 0; i < count; ++i) {
            QueryServer("127.0.0.1", fleet[i].port, record);
        }
        roundTrip += std::chrono::duration<double>(Clock::now() - queries).count() /
                     static_cast<double>(count);
    }
    const double runs = static_cast<double>(state.iterations());
    const double lowerBound = servers / 10.0 * (roundTrip / runs);
    state.counters["wall_ms"] = wall / runs * 1e3;
    state.counters["cpu_ms"] = cpu / runs * 1e3;
    state.counters["peak_rss_kb"] = static_cast<double>(peakKb);
    state.counters["round_trip_us"] = roundTrip / runs * 1e6;
    state.counters["lower_bound_ms"] = lowerBound * 1e3;
    state.counters["wall_over_bound"] = wall / runs / lowerBound;
}

void BM_FullRefresh(benchmark::State& state) {
    const int servers = static_cast<int>(state.range(0));
    RunFullRefresh(state, servers, {"--servers", std::to_string(servers), "--per-page", "255"});
}

void BM_FullRefreshAtCap(benchmark::State& state) {
    RunFullRefresh(state, 65535, {"--servers", "16384", "--per-page", "255", "--master-endless"});
}

void BM_QueryLoop(benchmark::State& state) {
    const int servers = static_cast<int>(state.range(0));
    kr::test::SimProcess sim({"--servers", std::to_string(servers)});
    std::vector<ServerAddress> addresses;
    for (const kr::test::FleetEntry& entry : sim.Fleet()) {
        addresses.push_back({"127.0.0.1", static_cast<uint32_t>(entry.port)});
    }
    if (static_cast<int>(addresses.size()) != servers) {
        state.SkipWithError("korvath-sim did not start");
        return;
    }
    TEvent neverStopped;
    size_t answered = 0;
    for (auto _ : state) {
        answered = 0;
        RunServerQueries(addresses, neverStopped, [&](std::vector<QueriedServer>& done) {
            for (const QueriedServer& server : done) {
                answered += server.record.m_ping != 9999;
            }
            return true;
        });
    }
    if (answered != addresses.size()) {
        state.SkipWithError("a server did not answer");
    }
}

// korvath-query's extra arguments in BM_RealisticFleet (--query-args).
std::vector<std::string> g_queryArgs;

// The mean over the servers korvath-query heard of (its ping - the fleet's base round trip), ms.
double MeanPingErrorMs(const kr::test::Json& result,
                       const std::vector<kr::test::FleetEntry>& fleet) {
    std::map<std::string, int> roundTrips;
    for (const kr::test::FleetEntry& entry : fleet) {
        roundTrips[entry.address] = entry.rttMs;
    }
    double sum = 0;
    int heard = 0;
    const auto add = [&](const kr::test::Json& servers) {
        for (const kr::test::Json& server : servers) {
            const long ping = server.value("ping", 9999L);
            const auto found = roundTrips.find(server.value("address", std::string()));
            if (ping != 9999 && found != roundTrips.end()) {
                sum += static_cast<double>(ping - found->second);
                ++heard;
            }
        }
    };
    for (const kr::test::Json& group : result.value("groups", kr::test::Json::array())) {
        add(group.value("servers", kr::test::Json::array()));
    }
    add(result.value("ungrouped", kr::test::Json::array()));
    return heard > 0 ? sum / heard : 0;
}

// The speed that korvath-query's arguments ask for, read as korvath-query reads them; the
// described one for what they leave out, or when they are bad (korvath-query then refuses them).
QuerySpeed SpeedOfQueryArgs(std::vector<std::string> args) {
    std::vector<char*> argv = {nullptr};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    QuerySpeedOptions options;
    std::string problem;
    for (int i = 1; i < static_cast<int>(argv.size()); ++i) {
        if (options.Take(static_cast<int>(argv.size()), argv.data(), i, problem) ==
            QuerySpeedOptions::Taken::Bad) {
            return kDescribedSpeed;
        }
    }
    return options.Speed();
}

void BM_RealisticFleet(benchmark::State& state) {
    kr::test::ScopedTempDir dir(true);
    const QuerySpeed speed = SpeedOfQueryArgs(g_queryArgs);
    for (auto _ : state) {
        kr::test::SimProcess sim(RealisticFleetOptions());
        std::vector<std::string> args = {"--master", sim.MasterAddress(), "--json"};
        args.insert(args.end(), g_queryArgs.begin(), g_queryArgs.end());
        const kr::test::ChildRun run =
            sim.Started() ? kr::test::RunQuery(args) : kr::test::ChildRun{};
        if (run.exitCode == 2) {
            state.SkipWithError("korvath-query refused the arguments");
            break;
        }
        if (run.exitCode != 0) {
            state.SkipWithError("korvath-sim or korvath-query failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        const double bound = RefreshBoundSeconds(sim.Fleet(), speed);
        const kr::test::Json result = kr::test::ParseJson(run.out);
        state.counters["wall_s"] = run.seconds;
        state.counters["bound_s"] = bound;
        state.counters["wall_over_bound"] = run.seconds / bound;
        state.counters["ping_error_ms"] = MeanPingErrorMs(result, sim.Fleet());
        state.counters["answered"] = result.value("answered", -1);
        state.counters["in_flight"] = speed.inFlight;
        state.counters["timeout_ms"] = speed.timeoutMs;
    }
}

BENCHMARK(BM_QueryLoop)->Arg(2000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefresh)->Arg(2000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefreshAtCap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealisticFleet)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

// The benchmark's own main: it takes --query-args "ARGS" out before the benchmark options.
int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--query-args" && i + 1 < argc) {
            g_queryArgs = kr::test::Words(argv[++i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
