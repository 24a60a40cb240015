// A full refresh of 2,000 instantly answering servers: korvath-query against korvath-sim, both as
// child processes on loopback. Reports the query process's wall time, CPU time (user + system)
// and peak resident memory, and sets the wall time against its lower bound: with at most 10
// queries in flight, N servers need at least N / 10 consecutive round trips, each at least one
// loopback query as measured here in-process one after another.
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

struct ChildUsage {
    bool ok = false;
    double cpuSeconds = 0;
    long peakKb = 0;
};

// Runs korvath-query (output discarded) and reports its resource use.
ChildUsage RunQuery(const std::string& master) {
    ChildUsage usage;
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
    rusage used{};
    if (spawned && wait4(pid, &status, 0, &used) == pid) {
        usage.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usage.cpuSeconds = used.ru_utime.tv_sec + used.ru_utime.tv_usec / 1e6 +
                           used.ru_stime.tv_sec + used.ru_stime.tv_usec / 1e6;
        usage.peakKb = used.ru_maxrss;
    }
    return usage;
}

// The mean time of one info query against the simulator's servers, one after another.
double OneRoundTripSeconds(const std::vector<kr::test::FleetEntry>& fleet) {
    const size_t count = std::min<size_t>(fleet.size(), 200);
    ServerRecord record;
    const auto start = Clock::now();
    for (size_t i = 0; i < count; ++i) {
        QueryServer("127.0.0.1", fleet[i].port, record);
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / static_cast<double>(count);
}

void BM_FullRefresh(benchmark::State& state) {
    const int servers = static_cast<int>(state.range(0));
    kr::test::ScopedTempDir dir(true);  // "servers.txt" grows here
    double wall = 0;
    double cpu = 0;
    double roundTrip = 0;
    long peakKb = 0;
    for (auto _ : state) {
        kr::test::SimProcess sim({"--servers", std::to_string(servers), "--per-page", "255"});
        if (!sim.Started()) {
            state.SkipWithError("korvath-sim did not start");
            break;
        }
        const auto start = Clock::now();
        const ChildUsage usage = RunQuery(sim.MasterAddress());
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!usage.ok) {
            state.SkipWithError("korvath-query failed");
            break;
        }
        state.SetIterationTime(seconds);
        wall += seconds;
        cpu += usage.cpuSeconds;
        peakKb = std::max(peakKb, usage.peakKb);
        roundTrip += OneRoundTripSeconds(sim.Fleet());
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
