#include "net/refreshdriver.h"

#include <cstdio>
#include <string>

#include "net/masterclient.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverquerythread.h"
#include "net/tevent.h"
#include "platform/posix/usernotice.h"

int32_t g_refreshCount = 0;

RefreshOutcome RefreshServerList(IRefreshHost& host) {
    if (g_refreshCount != 0) {
        return RefreshOutcome::NotRun;
    }
    host.LocateStatusBar();
    ++g_refreshCount;
    SetStatusText("Contacting Master Server");

    ListDownloadEnd downloadEnd = ListDownloadEnd::LastPage;
    const int downloaded = DownloadServerList(&downloadEnd);
    if (downloadEnd == ListDownloadEnd::Stopped) {
        return RefreshOutcome::Stopped;
    }
    if (downloaded < 0) {
        ShowMessageBox("Connection To Master Server Failed", "KR Server Browser",
                       NoticeIcon::Exclamation);
        SetStatusText("Failed to call Master Server");
        return RefreshOutcome::MasterFailed;
    }

    const size_t count = g_serverAddresses.size();
    std::string countText;
    {
        char text[32];
        std::snprintf(text, sizeof(text), "%d server(s)", static_cast<int>(count));
        countText = text;
    }
    host.BeginProgress(countText, static_cast<int>(count));

    {
        TEvent queriesEnded;  // outlives the thread: joined below
        ServerQueryThread queries(host);
        if (queries.Start(&queriesEnded)) {
            while (queries.m_threadId.load(std::memory_order_acquire) != 0) {
                host.WaitForWorkerEnd(queriesEnded);
            }
            queries.Join();
        } else {
            for (size_t i = 0; i < count; ++i) {
                host.StepProgress();  // a server that was never queried still counts as done
            }
        }
    }

    if (g_refreshStop.TryWait()) {
        host.EndProgress();
        return RefreshOutcome::Stopped;
    }
    host.SortRows();
    SetStatusText(countText);
    host.EndProgress();
    const bool unreachable = downloadEnd == ListDownloadEnd::NotConnected ||
                             downloadEnd == ListDownloadEnd::RequestNotSent;
    return unreachable ? RefreshOutcome::MasterUnreachable : RefreshOutcome::Completed;
}
