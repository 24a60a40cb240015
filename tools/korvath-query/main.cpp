// SPDX-License-Identifier: GPL-3.0-or-later
// korvath-query [--master HOST[:PORT]]... [--last-list] [--json] [query speed options]
// One refresh without a window: downloads the master list (appending "servers.txt" in the
// current folder; the masters in order until one gives its list, with --last-list the last list
// kept when none does), queries every listed server with the browser's workers (as described, or
// at the speed the options give), and prints the servers in the browser's grid order as a table
// or as JSON. Exit statuses: see kNotes.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "net/lastlist.h"
#include "net/listfetch.h"
#include "net/masterclient.h"
#include "net/refreshdriver.h"
#include "net/serveraddress.h"
#include "net/serverquerythread.h"
#include "platform/posix/trace.h"
#include "tools/korvath-query/consolehost.h"
#include "tools/korvath-query/queryoptions.h"
#include "tools/korvath-query/resultwriters.h"
#include "tools/korvath-query/stopsignals.h"

namespace {

constexpr const char* kSynopsis =
    "usage: korvath-query [--master HOST[:PORT]]... [--last-list] [--json]\n";
constexpr const char* kOptions =
    "  --master HOST[:PORT]  master server to ask (default 127.0.0.1:18444); given several\n"
    "                        times, they are tried in order until one gives its whole list\n"
    "  --last-list           keep each whole list in $XDG_CACHE_HOME/korvath/last-list\n"
    "                        (~/.cache/korvath/last-list) and query it when no master gives one\n"
    "  --json                print one JSON object instead of the table\n"
    "  -h, --help            print this help\n";
constexpr const char* kNotes =
    "Messages go to standard error, the result to standard output. On a terminal, standard\n"
    "error also shows how many servers have been queried.\n"
    "Exit status:\n"
    "  0    the list was fetched and every server queried (also when a list too long was cut,\n"
    "       or one still coming after 60 s was cut short there, or with --last-list the\n"
    "       list kept was queried because no master gave one)\n"
    "  1    no master gave its list: one did not answer (silent, or its port closed), or broke\n"
    "       off before the last page (each master that failed is named on standard error)\n"
    "  2    bad usage\n"
    "  3    no master's address can be resolved (within 5 s), or no socket to one can be set\n"
    "       up\n"
    "  4    the result cannot be written to standard output\n"
    "  130  stopped by SIGINT, 143 stopped by SIGTERM: no query starts after the signal, those\n"
    "       in flight end (within their time-out), nothing is printed; servers.txt holds every\n"
    "       address received until then\n";

// The whole usage text: the synopsis and the options, the query speed's among them.
std::string Usage() {
    return std::string(kSynopsis) + kSpeedSynopsis + kOptions + kSpeedUsage + kNotes;
}

constexpr int kMasterFailed = 1;
constexpr int kBadUsage = 2;
constexpr int kMasterUnreachable = 3;
constexpr int kOutputFailed = 4;

int BadUsage(const std::string& problem) {
    std::fprintf(stderr, "korvath-query: %s\n%s", problem.c_str(), Usage().c_str());
    return kBadUsage;
}

// Names each master that gave no list, and why, on standard error.
void TellFailedMasters(const ListSource& source) {
    for (const ListSource::Failure& failure : source.failures) {
        std::fprintf(stderr, "korvath-query: master %s:%d %s\n", failure.master.host.c_str(),
                     failure.master.port, failure.reason.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    bool json = false;
    QuerySpeedOptions speed;
    std::vector<MasterEndpoint> masters;
    for (int i = 1; i < argc; ++i) {
        std::string problem;
        if (const auto taken = speed.Take(argc, argv, i, problem);
            taken != QuerySpeedOptions::Taken::No) {
            if (taken == QuerySpeedOptions::Taken::Bad) {
                return BadUsage(problem);
            }
        } else if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--master") == 0) {
            if (i + 1 >= argc) {
                return BadUsage("--master needs HOST[:PORT]");
            }
            const auto master = ParseMasterOption(argv[++i]);
            if (!master) {
                return BadUsage(std::string("bad --master value: ") + argv[i]);
            }
            masters.push_back(*master);
        } else if (std::strcmp(argv[i], "--last-list") == 0) {
            SetLastListFile(DefaultLastListPath());
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        } else {
            return BadUsage(std::string("unknown argument: ") + argv[i]);
        }
    }

    SetMasterServers(std::move(masters));  // none given: the default stays

    // Tests run the tool under a mutex name of their own, so that a running browser goes on.
    if (const char* mutexName = std::getenv("KR_UPDATE_MUTEX")) {
        SetUpdateMutexName(mutexName);
    }
    // Standard output carries the result: trace lines, when asked for, go to standard error.
    if (TraceRequested()) {
        SetTraceSink(TraceToStandardError);
    }
    ConsoleNotice notice;
    SetUserNotice(&notice);
    // Progress only for a person watching a terminal, never into a pipe or a file.
    ConsoleRefreshHost host(isatty(STDERR_FILENO) ? stderr : nullptr);
    host.SetQuerySpeed(speed.Speed());
    RefreshOutcome outcome;
    int stoppedBy = 0;
    {
        StopSignals stop;
        if (!stop.Start()) {
            std::fputs("korvath-query: cannot watch for SIGINT and SIGTERM\n", stderr);
        }
        outcome = RefreshServerList(host);
        stoppedBy = outcome == RefreshOutcome::Stopped ? stop.Received() : 0;
    }
    SetUserNotice(nullptr);
    if (outcome != RefreshOutcome::Stopped) {
        TellFailedMasters(LastListSource());
    }
    switch (outcome) {
        case RefreshOutcome::Completed:
        case RefreshOutcome::LastListUsed:
            break;
        case RefreshOutcome::Stopped:
            std::fprintf(stderr, "korvath-query: stopped by %s\n",
                         stoppedBy == SIGINT ? "SIGINT" : "SIGTERM");
            return 128 + stoppedBy;
        case RefreshOutcome::MasterUnreachable:
            return kMasterUnreachable;
        default:
            return kMasterFailed;
    }

    const QueryResult result = BuildQueryResult(host.TakeFiledServers(), g_serverAddresses);
    const std::string output = json ? FormatJson(result, LastListSource()) : FormatTable(result);
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "korvath-query: cannot write the result: %s\n", std::strerror(errno));
        return kOutputFailed;
    }
    return 0;
}
