// The browser window during "New Full List", on the offscreen platform against korvath-sim:
//  - WaitingCpu: 50 silent servers (five rounds of 2 s time-outs). Reports the processor time the
//    whole browser process used (user + system, all threads) as a share of one core over the
//    refresh's wall time: the refresh must wait for events, not spin.
//  - Answering2000: 2,000 instantly answering servers; wall and processor time of the refresh.
#include "app/browserapp.h"
#include "app/commandids.h"
#include "net/refreshdriver.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>

namespace {

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunRefresh(benchmark::State& state, const std::vector<std::string>& simOptions) {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim(simOptions);
    if (!sim.Started()) {
        state.SkipWithError("the simulator did not start");
        return;
    }
    for (auto _ : state) {
        g_refreshCount = 0;
        CBrowserApp browser;
        if (!browser.InitInstance(
                {"korvath-browser", "--master", QString::fromStdString(sim.MasterAddress())})) {
            state.SkipWithError("the browser did not start");
            return;
        }
        const double cpuBefore = ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        browser.MainFrame()->SendCommand(ID_NEW_FULL_LIST);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall.count());
        state.counters["wall_s"] = wall.count();
        state.counters["cpu_s"] = cpu;
        state.counters["cpu_share_of_core_pct"] = 100.0 * cpu / wall.count();
    }
}

void WaitingCpu(benchmark::State& state) {
    RunRefresh(state, {"--servers", "50", "--silent", "100"});
}
BENCHMARK(WaitingCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

void Answering2000(benchmark::State& state) {
    RunRefresh(state, {"--servers", "2000"});
}
BENCHMARK(Answering2000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
