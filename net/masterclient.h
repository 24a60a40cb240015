// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The master server and the list download.

struct MasterEndpoint {
    std::string host;  // dotted IPv4 text or host name
    int port;          // 1..65535

    bool operator==(const MasterEndpoint&) const = default;
};

constexpr const char* kDefaultMasterHost = "127.0.0.1";
constexpr int kDefaultMasterPort = 18444;

// The master servers that the next refreshes ask, in the order they are tried; 127.0.0.1:18444
// alone until set. Set and read on the thread that runs refreshes, between refreshes.
// SetMasterServer sets a list of one; MasterServer is the first of the list.
void SetMasterServers(std::vector<MasterEndpoint> masters);  // an empty list is not taken
void SetMasterServer(const std::string& host, int port);
const std::vector<MasterEndpoint>& MasterServers();
const MasterEndpoint& MasterServer();
// Moves the master to the front of the list (the one that answered is tried first next time);
// the others keep their order. Nothing when the list does not hold it (it changed meanwhile).
void PutMasterFirst(const MasterEndpoint& master);

// Parses the text of a "--master HOST[:PORT]" option. HOST is not empty and holds no colon, blank
// or control character; PORT, when given, is 1 to 65535 in decimal digits (default 18444).
// nullopt for anything else.
std::optional<MasterEndpoint> ParseMasterOption(std::string_view text);

// Bounds of one download. A real list holds a few thousand servers at most; 65,536 addresses is
// more than ten times that, 257 full pages of 255 records, and costs a few megabytes (about 40
// bytes an address in the list, 22 in "servers.txt"; the refresh's queries add nothing per
// address). 16,384 datagrams still carry all of them at four records a page. The whole list gets
// 60 s: a master that sends slowly, or keeps sending, cannot hold the refresh longer.
constexpr int kMaxListedServers = 65536;
constexpr int kMaxListDatagrams = 16384;
constexpr std::chrono::milliseconds kListDownloadTime{60000};

// How a download ended; the result of DownloadServerList follows from it (0 or -1).
enum class ListDownloadEnd {
    LastPage,        // 0: the page of type 7 was received and acknowledged
    Cut,             // 0: a page would have passed a bound: neither acknowledged nor recorded
    OutOfTime,       // 0: the time for the whole list ran out while a page was awaited
    Stopped,         // 0: g_refreshStop was set; the page in hand was finished, no other taken
    NotConnected,    // 0: the socket could not be set up (already reported to the user)
    RequestNotSent,  // 0: the request was not sent in full
    NoAnswer,        // -1: a receive failed, or no page came for 2000 ms, before the last page
    AckNotSent       // -1: an acknowledgement was not sent in full
};

// Downloads the list of `master` into g_serverAddresses (emptied first) and "servers.txt"
// (appended): request, then pages until the one of type 7, each acknowledged; the last page's
// records are not recorded. A datagram that is not a page (no 2, 6 mark) is neither acknowledged
// nor recorded. Bounds: a page that would take the list past kMaxListedServers, or any datagram but
// the last page after kMaxListDatagrams of them, ends the download unacknowledged with the
// status text "Master list too long: first %d server(s) kept"; what was recorded before stays
// and the refresh goes on with it. When `time` has passed since the start while a page is
// awaited, the download ends with the status text "Master list cut short after %d s: first %d
// server(s) kept" and the refresh goes on with what was recorded. Returns 0 or -1 as `end` tells
// (see ListDownloadEnd), and stores the end there when given. Addresses recorded before a failure
// stay. When "servers.txt" cannot be opened the status text "Cannot write servers.txt" is shown
// once per download. Blocks the calling thread (the refresh runs it on a thread of its own),
// which sees g_refreshStop within 100 ms while it waits for a page; each page costs one receive,
// one send and one file open, and the wait for it a wake-up every 100 ms.
int DownloadServerList(ListDownloadEnd* end = nullptr,
                       std::chrono::milliseconds time = kListDownloadTime,
                       const MasterEndpoint& master = MasterServer());
