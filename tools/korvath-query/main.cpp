// korvath-query [--master HOST[:PORT]] [--json]
// One refresh without a window: downloads the master list (appending "servers.txt" in the
// current folder), queries every listed server with the browser's workers, and prints the servers
// in the browser's grid order as a table or as JSON. Exit status: 0 after a refresh, 1 when the
// master download failed, 2 for bad usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "net/masterclient.h"
#include "net/refreshdriver.h"
#include "net/serveraddress.h"
#include "net/tmutex.h"
#include "tools/korvath-query/consolehost.h"
#include "tools/korvath-query/resultwriters.h"

namespace {

constexpr const char* kUsage =
    "usage: korvath-query [--master HOST[:PORT]] [--json]\n"
    "  --master HOST[:PORT]  master server to ask (default 127.0.0.1:18444)\n"
    "  --json                print one JSON object instead of the table\n";

int BadUsage(const char* problem) {
    std::fprintf(stderr, "korvath-query: %s\n%s", problem, kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--master") == 0) {
            if (i + 1 >= argc) {
                return BadUsage("--master needs HOST[:PORT]");
            }
            const auto master = ParseMasterOption(argv[++i]);
            if (!master) {
                return BadUsage("bad --master value");
            }
            SetMasterServer(master->host, master->port);
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            return BadUsage("unknown argument");
        }
    }

    // Standard output carries the result; the mutex's trace lines would spoil it.
    TMutex::SetTraceOutput(nullptr);
    ConsoleNotice notice;
    SetUserNotice(&notice);
    ConsoleRefreshHost host;
    const RefreshOutcome outcome = RefreshServerList(host);
    SetUserNotice(nullptr);
    if (outcome != RefreshOutcome::Completed) {
        return 1;
    }

    const QueryResult result = BuildQueryResult(host.FiledServers(), g_serverAddresses);
    const MasterEndpoint& master = MasterServer();
    const std::string output =
        json ? FormatJson(result, master.host + ":" + std::to_string(master.port))
             : FormatTable(result);
    std::fwrite(output.data(), 1, output.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
