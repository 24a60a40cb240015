// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browserrefreshhost.h"

#include "app/noticetranslation.h"
#include "app/queryspeedsettings.h"
#include "platform/qt/statusbar.h"
#include "serverlist/servergrid.h"

#include <QString>

QPointer<CStatusBar> g_pStatusBar;

namespace {
constexpr int kProgressWidthPercent = 40;
constexpr int kProgressPane = 0;
}  // namespace

void CBrowserRefreshHost::LocateStatusBar() {
    g_pStatusBar = CProgressBar::FindStatusBar();
}

void CBrowserRefreshHost::BeginProgress(const NoticeText& label, int maximum) {
    m_pProgress = std::make_unique<CProgressBar>(TranslatedNotice(label), kProgressWidthPercent,
                                                 maximum, true, kProgressPane);
}

void CBrowserRefreshHost::StepProgress() {
    RunOnGridThread([this] { StepBar(); });
}

void CBrowserRefreshHost::FileAndStep(std::span<const QueriedServer> servers) {
    RunOnGridThread([this, servers] {
        for (const QueriedServer& server : servers) {
            FileOnGridThread(server.record);
            StepBar();
        }
    });
}

void CBrowserRefreshHost::StepBar() {
    if (m_pProgress) {
        m_pProgress->StepIt();
    }
}

void CBrowserRefreshHost::EndProgress() {
    m_pProgress.reset();
}

QuerySpeed CBrowserRefreshHost::QuerySpeedSetting() {
    return LoadQuerySpeed();
}
