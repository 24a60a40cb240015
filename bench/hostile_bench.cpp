// SPDX-License-Identifier: GPL-3.0-or-later
// What hostile peers cost: for each hostile mode of korvath-sim (as the end-to-end tests run them,
// tests/support/hostilemodes.h), the wall time and peak resident
// memory of korvath-query and of the browser window (offscreen, "New Full List"), each in a
// child process of its own; then the time from a close request (or SIGTERM) to the end during a
// refresh of 1,000 silent servers, and during a master download that drips one address a page
// (with the window's longest stall then); last the memory per listed address of the master list,
// measured in this process. A plain program: hostile_bench prints a table; with --drip-csv it
// runs only the dripping download and prints its figures as CSV for bench/table.sh.
#include "app/browserapp.h"
#include "app/commandids.h"
#include "bench/loopstallmeter.h"
#include "net/masterclient.h"
#include "net/serveraddress.h"
#include "tests/app/browsertesting.h"
#include "tests/support/childprocess.h"
#include "tests/support/hostilemodes.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <malloc.h>
#include <signal.h>
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// In the child: one refresh in a browser window; prints its seconds, with a close request after
// closeAfterMs the seconds from that request to the end, and the window's longest stall (ms).
int BrowserChild(int argc, char** argv, const char* master, int closeAfterMs) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    CBrowserApp browser;
    if (!browser.InitInstance({"korvath-browser", "--master", master})) {
        return 1;
    }
    kr::test::MessageBoxWatcher boxes;  // a failed download asks for OK
    Clock::time_point closed = Clock::now();
    if (closeAfterMs > 0) {
        QTimer::singleShot(closeAfterMs, [&] {
            closed = Clock::now();
            browser.MainFrame()->close();
        });
    }
    const Clock::time_point start = Clock::now();
    LoopStallMeter stalls;
    stalls.Start();
    browser.MainFrame()->SendCommand(ID_NEW_FULL_LIST);
    std::printf("%.3f %.3f %.3f\n", Since(start), closeAfterMs > 0 ? Since(closed) : 0.0,
                stalls.StopMs());
    return 0;
}

struct BrowserRun {
    double seconds = -1, afterClose = -1, longestStallMs = -1;
    long peakRssKb = 0;
};

BrowserRun RunBrowser(const char* self, const std::string& master, int closeAfterMs) {
    const kr::test::ChildRun child =
        kr::test::RunChild(self, {"--browser", master, std::to_string(closeAfterMs)});
    BrowserRun run;
    run.peakRssKb = child.peakRssKb;
    std::sscanf(child.out.c_str(), "%lf %lf %lf", &run.seconds, &run.afterClose,
                &run.longestStallMs);
    return run;
}

void RunHostileModes(const char* self) {
    std::printf("%-30s %10s %12s %10s %12s\n", "mode", "query s", "query MiB", "browser s",
                "browser MiB");
    std::vector<kr::test::HostileMode> modes = {
        {"well-behaved (for comparison)", {"--servers", "30", "--per-page", "7"}, 30, 1, false}};
    modes.insert(modes.end(), kr::test::HostileModes().begin(), kr::test::HostileModes().end());
    for (const kr::test::HostileMode& m : modes) {
        kr::test::ScopedTempDir dir(true);
        std::vector<std::string> options = m.simOptions;
        options.insert(options.end(), {"--delay", "0"});  // the whole refresh, also when endless
        kr::test::SimProcess sim(options);
        const kr::test::ChildRun query = kr::test::RunQuery({"--master", sim.MasterAddress()});
        const BrowserRun browser = RunBrowser(self, sim.MasterAddress(), 0);
        std::printf("%-30s %10.2f %12.1f %10.2f %12.1f   (query exit %d)\n", m.what, query.seconds,
                    query.peakRssKb / 1024.0, browser.seconds, browser.peakRssKb / 1024.0,
                    query.exitCode);
        std::fflush(stdout);
    }
}

void CloseDuringRefresh(const char* self) {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "1000", "--silent", "100"});
    const BrowserRun browser = RunBrowser(self, sim.MasterAddress(), 3000);
    const kr::test::ChildRun query =
        kr::test::RunQuery({"--master", sim.MasterAddress()}, 3000, SIGTERM);
    std::printf("\n1,000 silent servers (200 s for the whole refresh), stop after 3 s:\n");
    std::printf("  browser: close request to end %.2f s (refresh %.2f s in all)\n",
                browser.afterClose, browser.seconds);
    std::printf("  korvath-query: SIGTERM to exit %.2f s (exit %d)\n", query.seconds - 3.0,
                query.exitCode);
}

// A master that sends one address a page every 100 ms, 600 pages (a minute): the browser's
// longest stall during the download and the time from a close request after 3 s to the end.
BrowserRun DripDownload(const char* self) {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "600", "--master-drip", "100"});
    return RunBrowser(self, sim.MasterAddress(), 3000);
}

void PrintDripDownload(const BrowserRun& run) {
    std::printf("\nmaster dripping one address every 100 ms, close after 3 s:\n");
    std::printf("  browser: longest stall %.1f ms, close request to end %.3f s\n",
                run.longestStallMs, run.afterClose);
}

void MemoryPerAddress() {
    kr::test::ScopedTempDir dir(true);
    kr::test::SimProcess sim({"--servers", "255", "--per-page", "255", "--master-endless"});
    SetMasterServer("127.0.0.1", sim.MasterPort());
    const size_t before = mallinfo2().uordblks;
    DownloadServerList();
    const size_t listed = g_serverAddresses.size();
    const size_t list = mallinfo2().uordblks - before;
    std::printf("\nmaster list cut at %zu addresses: list %.1f bytes an address (%zu bytes)\n",
                listed, double(list) / listed, list);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--browser") {
        return BrowserChild(argc, argv, argv[2], std::atoi(argv[3]));
    }
    // The children run in temporary folders: this program by its full path.
    const std::string self = std::filesystem::canonical("/proc/self/exe");
    if (argc == 2 && std::string(argv[1]) == "--drip-csv") {
        const BrowserRun run = DripDownload(self.c_str());
        std::printf("name,longest_stall_ms,close_ms\n\"DripDownload\",%.3f,%.3f\n",
                    run.longestStallMs, run.afterClose * 1000);
        return 0;
    }
    RunHostileModes(self.c_str());
    CloseDuringRefresh(self.c_str());
    PrintDripDownload(DripDownload(self.c_str()));
    MemoryPerAddress();
    return 0;
}
