#include "net/refreshdriver.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "net/masterclient.h"
#include "net/queryscheduler.h"
#include "net/serveraddress.h"
#include "net/serverquerythread.h"
#include "platform/posix/usernotice.h"

int32_t g_refreshCount = 0;

RefreshOutcome RefreshServerList(IRefreshHost& host) {
    if (g_refreshCount != 0) {
        return RefreshOutcome::NotRun;
    }
    host.LocateStatusBar();
    ++g_refreshCount;
    SetStatusText("Contacting Master Server");

    if (DownloadServerList() < 0) {
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
        std::vector<std::unique_ptr<ServerQueryThread>> workers;
        std::vector<TThread*> order;
        workers.reserve(count);
        order.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            workers.push_back(std::make_unique<ServerQueryThread>());
            workers[i]->m_pAddress = &g_serverAddresses[i];
            workers[i]->m_pHost = &host;
            workers[i]->m_listIndex = i;
            order.push_back(workers[i].get());
        }
        RunQueryWorkers(order, host);
    }

    host.SortRows();
    SetStatusText(countText);
    host.EndProgress();
    return RefreshOutcome::Completed;
}
