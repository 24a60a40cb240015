#include "app/browserrefreshhost.h"

#include <QString>

CStatusBar* g_pStatusBar = nullptr;

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
    RunOnGridThread([this] {
        if (m_pProgress) {
            m_pProgress->StepIt();
        }
    });
}

void CBrowserRefreshHost::EndProgress() {
    m_pProgress.reset();
}
