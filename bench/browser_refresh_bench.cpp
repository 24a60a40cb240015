// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window during "New Full List", on the offscreen platform against korvath-sim:
//  - WaitingCpu: 50 silent servers (five rounds of 2 s time-outs). Reports the processor time the
//    whole browser process used (user + system, all threads) as a share of one core over the
//    refresh's wall time: the refresh must wait for events, not spin.
//  - Answering2000: 2,000 instantly answering servers; wall and processor time of the refresh.
//  - AnsweringAtCap: the list at its cap, 65,535 addresses from an endless master that lists its
//    16,384 servers round and round (as refresh_bench's BM_FullRefreshAtCap). Also the process's
//    peak resident memory (run it alone: the peak is the process's) and the longest stall of the
//    window's event loop from the first row filed (the download is over) to the refresh's end,
//    the end-of-refresh sort included: the longest gap between two ticks of a 1 ms timer.
//  - RealisticFleet: the realistic fleet (bench/realisticfleet.h, about a minute): the wall time
//    against the bound at the window's speed, the described one.
//  - Stamina: twenty refreshes in one window over 10,000 servers, "New Full List" and then
//    "Refresh List" nineteen times; the heap in use after the first and its growth after that.
#include "app/browserapp.h"
#include "app/commandids.h"
#include "app/queryspeedsettings.h"
#include "bench/heapinuse.h"
#include "bench/loopstallmeter.h"
#include "bench/realisticfleet.h"
#include "net/refreshdriver.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Runs body once per benchmark run with a browser window pointed at a korvath-sim started with
// simOptions, in a temporary folder ("servers.txt" grows there); skips when either fails.
void ForEachBrowser(benchmark::State& state, const std::vector<std::string>& simOptions,
                    const std::function<void(CBrowserApp&, const kr::test::SimProcess&)>& body) {
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
        body(browser, sim);
    }
}

// With a speed, also the refresh's bound at that speed over the simulator's fleet.
void RunRefresh(benchmark::State& state, const std::vector<std::string>& simOptions,
                bool measureStalls = false, const QuerySpeed* speed = nullptr) {
    ForEachBrowser(state, simOptions, [&](CBrowserApp& browser, const kr::test::SimProcess& sim) {
        std::unique_ptr<LoopStallMeter> stalls;
        if (measureStalls) {
            stalls = std::make_unique<LoopStallMeter>();  // from the first server row filed
            stalls->StartOn(&browser.MainFrame()->View().Grid(), &CServerGrid::serverRowsChanged);
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
        if (speed != nullptr) {
            state.counters["bound_s"] = RefreshBoundSeconds(sim.Fleet(), *speed);
            state.counters["wall_over_bound"] = wall.count() / state.counters["bound_s"];
        }
        if (stalls != nullptr) {
            state.counters["longest_stall_ms"] = stalls->StopMs();
            state.counters["peak_rss_mb"] = PeakRssMegabytes();
            int shown = 0, all = 0;
            browser.MainFrame()->View().Grid().CountServerRows(shown, all);
            state.counters["server_rows"] = all;
        }
    });
}

void WaitingCpu(benchmark::State& state) {
    RunRefresh(state, {"--servers", "50", "--silent", "100"});
}
BENCHMARK(WaitingCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

void Answering2000(benchmark::State& state) {
    RunRefresh(state, {"--servers", "2000"});
}
BENCHMARK(Answering2000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void AnsweringAtCap(benchmark::State& state) {
    RunRefresh(state, {"--servers", "16384", "--per-page", "255", "--master-endless"}, true);
}
BENCHMARK(AnsweringAtCap)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The window's refresh of the realistic fleet at the speed of Game Settings that range(0) names
// (0 as described, 1 fast).
void RealisticFleet(benchmark::State& state) {
    const bool fast = state.range(0) == 1;
    SaveQuerySpeed(fast);  // the settings of the benchmark's temporary folder
    RunRefresh(state, RealisticFleetOptions(), false, fast ? &kFastSpeed : &kDescribedSpeed);
}
BENCHMARK(RealisticFleet)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// The heap in use once what the window let go of has been freed.
double HeapInUseMegabytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<double>(HeapInUse()) / (1024.0 * 1024.0);
}

void Stamina(benchmark::State& state) {
    ForEachBrowser(state, {"--servers", "10000", "--per-page", "255"},
                   [&](CBrowserApp& browser, const kr::test::SimProcess&) {
                       browser.MainFrame()->SendCommand(ID_NEW_FULL_LIST);
                       const double first = HeapInUseMegabytes();
                       double highest = first;
                       for (int i = 1; i < 20; ++i) {
                           browser.MainFrame()->SendCommand(ID_REFRESH_LIST);
                           highest = std::max(highest, HeapInUseMegabytes());
                       }
                       state.counters["heap_after_first_mb"] = first;
                       state.counters["heap_growth_mb"] = HeapInUseMegabytes() - first;
                       state.counters["heap_highest_growth_mb"] = highest - first;
                   });
}
BENCHMARK(Stamina)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
