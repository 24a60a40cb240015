// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/masterclient.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include <poll.h>

#include "net/masterpacket.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverlistwriter.h"
#include "net/udpquerysocket.h"
#include "platform/posix/usernotice.h"

namespace {
using Clock = std::chrono::steady_clock;

std::vector<MasterEndpoint> g_masters{{kDefaultMasterHost, kDefaultMasterPort}};
constexpr int kPageBufferSize = 4096;
constexpr std::chrono::milliseconds kStopCheck{100};  // how long a wait goes without seeing a stop

// Waits for the master's next datagram: its length (0 or more) or -1 on a socket error; otherwise
// how the download ends: no datagram within the page's 2000 ms, the list's time gone, a stop.
struct Awaited {
    int received;
    ListDownloadEnd end;
};
Awaited AwaitDatagram(UdpQuerySocket& socket, uint8_t* buffer, Clock::time_point listDeadline) {
    const Clock::time_point pageDeadline = std::min(
        Clock::now() + std::chrono::milliseconds(UdpQuerySocket::kReceiveTimeoutMs), listDeadline);
    for (;;) {
        const int received = socket.ReceiveWaiting(buffer, kPageBufferSize);
        if (received != UdpQuerySocket::kNoneWaiting) {
            return {received, ListDownloadEnd::NoAnswer};
        }
        if (g_refreshStop.TryWait()) {
            return {-1, ListDownloadEnd::Stopped};
        }
        const Clock::time_point now = Clock::now();
        if (now >= pageDeadline) {
            return {-1,
                    now >= listDeadline ? ListDownloadEnd::OutOfTime : ListDownloadEnd::NoAnswer};
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(pageDeadline - now);
        pollfd polled{socket.Descriptor(), POLLIN, 0};
        poll(&polled, 1, static_cast<int>(std::min(left, kStopCheck).count()));
    }
}

// The page loop of a download, after the request: receive, check the bounds, acknowledge, record.
ListDownloadEnd ReceivePages(UdpQuerySocket& socket, std::chrono::milliseconds time) {
    const Clock::time_point listDeadline = Clock::now() + time;
    MasterPacket packet;
    ServerListWriter writer;
    uint8_t buffer[kPageBufferSize] = {};  // zeroed here only, not between datagrams
    bool fileFailureShown = false;
    for (int datagrams = 1;; ++datagrams) {
        if (g_refreshStop.TryWait()) {
            return ListDownloadEnd::Stopped;
        }
        const auto [received, end] = AwaitDatagram(socket, buffer, listDeadline);
        if (end == ListDownloadEnd::OutOfTime) {
            SetStatusText(NoticeText(
                KR_COUNTED_TEXT("NoticeText",
                                "Master list cut short after %1 s: first %n server(s) kept"),
                {std::to_string(time.count() / 1000)}, static_cast<int>(g_serverAddresses.size())));
        }
        if (received <= 0) {
            return received < 0 ? end : ListDownloadEnd::NoAnswer;
        }
        const bool isPage = packet.ParsePage(buffer);
        const bool lastPage = isPage && packet.m_type == kLastPageType;
        if (!lastPage) {
            const size_t listed = g_serverAddresses.size();
            if (datagrams > kMaxListDatagrams ||
                (isPage && listed + PageRecordCount(packet, received) > kMaxListedServers)) {
                SetStatusText(NoticeText(
                    KR_COUNTED_TEXT("NoticeText", "Master list too long: first %n server(s) kept"),
                    {}, static_cast<int>(listed)));
                return ListDownloadEnd::Cut;
            }
        }
        if (!isPage) {
            continue;
        }
        packet.m_type = kAckType;
        packet.BuildAck();
        if (socket.Send(packet.m_ack, packet.m_ackLength) < packet.m_ackLength) {
            return ListDownloadEnd::AckNotSent;
        }
        if (lastPage) {
            return ListDownloadEnd::LastPage;
        }
        if (!writer.AppendPage(buffer, received) && !fileFailureShown) {
            SetStatusText(KR_TEXT("NoticeText", "Cannot write servers.txt"));
            fileFailureShown = true;
        }
    }
}

}  // namespace

void SetMasterServers(std::vector<MasterEndpoint> masters) {
    if (!masters.empty()) {
        g_masters = std::move(masters);
    }
}

void SetMasterServer(const std::string& host, int port) {
    g_masters = {MasterEndpoint{host, port}};
}

const std::vector<MasterEndpoint>& MasterServers() {
    return g_masters;
}

const MasterEndpoint& MasterServer() {
    return g_masters.front();
}

void PutMasterFirst(const MasterEndpoint& master) {
    const auto found = std::find(g_masters.begin(), g_masters.end(), master);
    if (found != g_masters.end()) {
        std::rotate(g_masters.begin(), found, found + 1);
    }
}

std::optional<MasterEndpoint> ParseMasterOption(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view host = text.substr(0, colon);
    if (host.empty()) {
        return std::nullopt;
    }
    for (char c : host) {
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) {
            return std::nullopt;
        }
    }
    int port = kDefaultMasterPort;
    if (colon != std::string_view::npos) {
        const std::string_view digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5) {
            return std::nullopt;
        }
        port = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) {
            return std::nullopt;
        }
    }
    return MasterEndpoint{std::string(host), port};
}

int DownloadServerList(ListDownloadEnd* end, std::chrono::milliseconds time,
                       const MasterEndpoint& master) {
    g_serverAddresses.clear();

    UdpQuerySocket socket;
    ListDownloadEnd how = ListDownloadEnd::NotConnected;
    if (socket.Connect(master.host, master.port)) {
        how = socket.Send(kMasterRequest, kMasterRequestLength) == kMasterRequestLength
                  ? ReceivePages(socket, time)
                  : ListDownloadEnd::RequestNotSent;
    }
    socket.Close();
    if (end != nullptr) {
        *end = how;
    }
    return how == ListDownloadEnd::NoAnswer || how == ListDownloadEnd::AckNotSent ? -1 : 0;
}
