#pragma once

#include <optional>
#include <string>
#include <string_view>

// The master server and the list download.

struct MasterEndpoint {
    std::string host;  // dotted IPv4 text or host name
    int port;          // 1..65535
};

constexpr const char* kDefaultMasterHost = "127.0.0.1";
constexpr int kDefaultMasterPort = 18444;

// The master server that the next downloads ask; 127.0.0.1:18444 until set. Set and read on the
// thread that runs refreshes, before a download starts.
void SetMasterServer(const std::string& host, int port);
const MasterEndpoint& MasterServer();

// Parses the text of a "--master HOST[:PORT]" option. HOST is not empty and holds no colon, blank
// or control character; PORT, when given, is 1 to 65535 in decimal digits (default 18444).
// nullopt for anything else.
std::optional<MasterEndpoint> ParseMasterOption(std::string_view text);

// Downloads the master list into g_serverAddresses (emptied first) and "servers.txt" (appended):
// request, then pages until the one of type 7, each acknowledged; the last page's records are
// not recorded. Returns 0 when the last page was received and acknowledged, and also when the
// socket could not be set up (already reported) or the request was not sent in full; -1 when a
// receive failed or timed out (2000 ms) before the last page or an acknowledgement was not sent
// in full. Addresses recorded before a failure stay. When "servers.txt" cannot be opened the
// status text "Cannot write servers.txt" is shown once per download. Blocks the calling thread;
// each page costs one receive, one send and one file open.
int DownloadServerList();
