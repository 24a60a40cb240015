// A full refresh of 2,000 instantly answering servers: korvath-query against korvath-sim, both
// child processes on loopback. Reports the query's wall time, CPU time (user + system) and peak
// resident memory against the lower bound: with at most 10 queries in flight, N servers need at
// least N / 10 consecutive round trips, each one loopback query as measured here in-process.
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "net/serverquery.h"
#include "net/serverrecord.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs korvath-query (output discarded); false when it failed. Fills its resource use.
bool RunQuery(const std::string& master, rusage& used) {
    std::vector<std::string> words = {KR_QUERY_PATH, "--master", master, "--json"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const bool spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned && wait4(pid, &status, 0, &used) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void BM_FullRefresh(benchmark::State& state) {
    const int servers = static_cast<int>(state.range(0));
    kr::test::ScopedTempDir dir(true);  // "servers.txt" grows here
    double wall = 0, cpu = 0, roundTrip = 0;
    long peakKb = 0;
    for (auto _ : state) {
        kr::test::SimProcess sim({"--servers", std::to_string(servers), "--per-page", "255"});
        rusage used{};
        const auto start = Clock::now();
        if (!sim.Started() || !RunQuery(sim.MasterAddress(), used)) {
            state.SkipWithError("korvath-sim or korvath-query failed");
            break;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        wall += seconds;
        cpu += Seconds(used.ru_utime) + Seconds(used.ru_stime);
        peakKb = std::max(peakKb, used.ru_maxrss);
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

BENCHMARK(BM_FullRefresh)->Arg(2000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
