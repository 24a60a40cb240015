// A full refresh of 2,000 instantly answering servers: korvath-query against korvath-sim, both
// child processes on loopback. Reports the query's wall time, CPU time (user + system) and peak
// resident memory against the lower bound: with at most 10 queries in flight, N servers need at
// least N / 10 consecutive round trips, each one loopback query as measured here in-process.
// BM_QueryLoop times the query loop alone, in this process over the same fleet: no process start,
// no download, no output. What korvath-query takes beyond it is its own overhead.
// BM_FullRefreshAtCap: the list at its cap, 65,535 addresses (257 full pages), from an endless
// master that lists its 16,384 servers round and round (one address has one port, and loopback
// has too few ports and the simulator too few descriptors for 65,535 servers of their own).
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/serverqueryloop.h"
#include "net/serverrecord.h"
#include "net/tevent.h"
#include "tests/support/childprocess.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

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

BENCHMARK(BM_QueryLoop)->Arg(2000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefresh)->Arg(2000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefreshAtCap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
