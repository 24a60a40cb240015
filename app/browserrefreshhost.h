// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/progressbar.h"
#include "serverlist/servergridrefreshhost.h"

#include <QPointer>

#include <memory>

class CStatusBar;

// The main window's status bar, looked up by the refresh and used by SetStatusText; null until
// the first refresh has looked it up, and again once that status bar is gone. UI thread only.
extern QPointer<CStatusBar> g_pStatusBar;

// The window front end of a refresh: the grid side of ServerGridRefreshHost plus the status bar
// and the progress bar in its first pane (labelled with the count text, 40 per cent wide, smooth).
// Lives as long as the view; one refresh at a time.
class CBrowserRefreshHost : public ServerGridRefreshHost {
public:
    using ServerGridRefreshHost::ServerGridRefreshHost;

    void LocateStatusBar() override;
    void BeginProgress(const NoticeText& label, int maximum) override;
    // Steps the bar on the UI thread; returns once it has been stepped.
    void StepProgress() override;
    // Files each record and steps the bar for it, all in one call on the UI thread.
    void FileAndStep(std::span<const QueriedServer> servers) override;
    // Destroys the bar, which gives pane 0 back its idle text.
    void EndProgress() override;
    // The query speed chosen in Game Settings (LoadQuerySpeed).
    QuerySpeed QuerySpeedSetting() override;

private:
    void StepBar();  // on the UI thread

    std::unique_ptr<CProgressBar> m_pProgress;
};
