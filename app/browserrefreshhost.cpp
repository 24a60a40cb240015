#include "app/browserrefreshhost.h"

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

void CBrowserRefreshHost::BeginProgress(const std::string& label, int maximum) {
    m_pProgress = std::make_unique<CProgressBar>(
        QString::fromStdString(label), kProgressWidthPercent, maximum, true, kProgressPane);
}

void CBrowserRefreshHost::StepProgress() {
    RunOnGridThread([this] { StepBar(); });
}

void CBrowserRefreshHost::FileAndStep(const ServerRecord& record, std::size_t /*listIndex*/) {
    RunOnGridThread([this, &record] {
        AddServerRow(record, Grid());
        StepBar();
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
