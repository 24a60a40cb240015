// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/listfetch.h"

#include <cstdio>
#include <ctime>

#include "net/hostlookup.h"
#include "net/lastlist.h"
#include "net/nameresolver.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "platform/posix/usernotice.h"

namespace {

ListSource g_source;

std::string EndpointText(const MasterEndpoint& master) {
    return master.host + ":" + std::to_string(master.port);
}

// Why a download gave no list, or empty when it gave one.
std::string FailureReason(ListDownloadEnd end, std::size_t received) {
    switch (end) {
        case ListDownloadEnd::NotConnected:
        case ListDownloadEnd::RequestNotSent:
            return "could not be reached";
        case ListDownloadEnd::NoAnswer:
        case ListDownloadEnd::AckNotSent:
            return received == 0 ? "did not answer"
                                 : "broke off after " + std::to_string(received) + " server(s)";
        default:
            return {};
    }
}

// The list of the master, and when it ended with its last page, the last list written.
ListDownloadEnd Download(const MasterEndpoint& resolved) {
    ListDownloadEnd end = ListDownloadEnd::LastPage;
    DownloadServerList(&end, kListDownloadTime, resolved);
    if (end == ListDownloadEnd::LastPage && !LastListFile().empty() &&
        !SaveLastList(LastListFile(), g_serverAddresses, std::time(nullptr))) {
        SetStatusText(KR_TEXT("NoticeText", "Cannot write the last list"));
    }
    return end;
}

// The last list into g_serverAddresses when one can be read; tells a damaged file once.
void UseLastList(ListSource& source, const OffThread& offThread) {
    LastList list;
    offThread([&list] { list = LoadLastList(LastListFile()); });
    if (list.load == LastListLoad::Ignored) {
        SetStatusText(KR_TEXT("NoticeText", "Last list ignored: not a list of this program"));
        return;
    }
    if (list.load == LastListLoad::Partial) {
        SetStatusText(NoticeText(KR_COUNTED_TEXT("NoticeText", "Last list: %n line(s) skipped"), {},
                                 list.skipped));
    }
    if (!list.servers.empty()) {
        g_serverAddresses = std::move(list.servers);
        source.kind = ListSource::Kind::LastList;
        source.time = list.time;
    }
}

}  // namespace

const ListSource& FetchServerList(IRefreshHost& host, const OffThread& offThread) {
    g_source = ListSource();
    const std::vector<MasterEndpoint> masters = MasterServers();
    std::vector<std::string> hosts;
    for (const MasterEndpoint& master : masters) {
        hosts.push_back(master.host);
    }
    const std::vector<std::optional<uint32_t>> addresses = ResolveHosts(host, hosts);
    for (std::size_t i = 0; i < masters.size(); ++i) {
        if (g_refreshStop.TryWait()) {
            g_source.stopped = true;
            return g_source;
        }
        if (i > 0) {
            SetStatusText(NoticeText(
                KR_TEXT("NoticeText", "Contacting Master Server %1 of %2: %3"),
                {std::to_string(i + 1), std::to_string(masters.size()), EndpointText(masters[i])}));
        }
        const MasterEndpoint resolved{addresses[i] ? DottedQuadText(*addresses[i]) : std::string(),
                                      masters[i].port};
        ListDownloadEnd end = ListDownloadEnd::LastPage;
        offThread([&end, &resolved] { end = Download(resolved); });
        if (end == ListDownloadEnd::Stopped) {
            g_source.stopped = true;
            return g_source;
        }
        const std::string reason = FailureReason(end, g_serverAddresses.size());
        if (reason.empty()) {
            g_source.kind = ListSource::Kind::Master;
            g_source.end = end;
            g_source.master = masters[i];
            PutMasterFirst(masters[i]);
            return g_source;
        }
        g_source.noAnswer |= end == ListDownloadEnd::NoAnswer || end == ListDownloadEnd::AckNotSent;
        g_source.failures.push_back({masters[i], reason});
    }
    g_serverAddresses.clear();  // a list broken off is not queried
    if (!LastListFile().empty()) {
        UseLastList(g_source, offThread);
    }
    return g_source;
}

const ListSource& LastListSource() {
    return g_source;
}

NoticeText LastListStatusText(std::size_t servers, int64_t time) {
    const std::time_t when = static_cast<std::time_t>(time);
    std::tm local{};
    char date[32] = "?";
    if (localtime_r(&when, &local) != nullptr) {
        std::strftime(date, sizeof(date), "%Y-%m-%d %H:%M", &local);
    }
    return NoticeText(
        KR_COUNTED_TEXT(
            "NoticeText",
            "Master server did not answer: querying the %n servers of the list from %1"),
        {date}, static_cast<int>(servers));
}
