// What hostile peers cost: for each hostile mode of korvath-sim (as the end-to-end tests run them,
// tests/support/hostilemodes.h), the wall time and peak resident
// memory of korvath-query and of the browser window (offscreen, "New Full List"), each in a
// child process of its own; then the time from a close request (or SIGTERM) to the end during a
// refresh of 1,000 silent servers; last the memory per listed address of the master list,
// measured in this process. A plain program: hostile_bench prints a table.
#include "app/browserapp.h"
#include "app/commandids.h"
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

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// In the child: one refresh in a browser window; prints its seconds and, with a close request
// after closeAfterMs, the seconds from that request to the end.
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
    browser.MainFrame()->SendCommand(ID_NEW_FULL_LIST);
    std::printf("%.3f %.3f\n", Since(start), closeAfterMs > 0 ? Since(closed) : 0.0);
    return 0;
}

struct BrowserRun {
    double seconds = -1, afterClose = -1;
    long peakRssKb = 0;
};

BrowserRun RunBrowser(const char* self, const std::string& master, int closeAfterMs) {
    const kr::test::ChildRun child =
        kr::test::RunChild(self, {"--browser", master, std::to_string(closeAfterMs)});
    BrowserRun run;
    run.peakRssKb = child.peakRssKb;
    std::sscanf(child.out.c_str(), "%lf %lf", &run.seconds, &run.afterClose);
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
    RunHostileModes(argv[0]);
    CloseDuringRefresh(argv[0]);
    MemoryPerAddress();
    return 0;
}
