// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-query/consolehost.h"

#include <algorithm>
#include <cstdio>

#include "net/tevent.h"

void ConsoleNotice::ShowStatusText(const NoticeText& text) {
    std::fprintf(stderr, "%s\n", text.English().c_str());
}

void ConsoleNotice::ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon) {
    std::fprintf(stderr, "%s: %s\n", title.English().c_str(), text.English().c_str());
}

void ConsoleRefreshHost::FileServerRecord(const ServerRecord& record, std::size_t listIndex) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_filed.push_back(FiledServer{record, listIndex});
}

void ConsoleRefreshHost::WaitForWorkerEnd(TEvent& workerEnded) {
    workerEnded.Wait();
}

void ConsoleRefreshHost::BeginProgress(const NoticeText&, int maximum) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_done = 0;
    m_maximum = maximum;
    m_filed.reserve(static_cast<std::size_t>(std::max(maximum, 0)));
    ShowProgress();
}

void ConsoleRefreshHost::StepProgress() {
    std::lock_guard<std::mutex> hold(m_lock);
    ++m_done;
    if (m_done < m_maximum) {
        ShowProgress();
    } else {
        WipeProgress();  // the status line that follows starts on a clean line
    }
}

void ConsoleRefreshHost::EndProgress() {
    std::lock_guard<std::mutex> hold(m_lock);
    WipeProgress();
}

void ConsoleRefreshHost::ShowProgress() {
    if (m_progress != nullptr && m_maximum > 0) {
        std::fprintf(m_progress, "\rQueried %d of %d servers", m_done, m_maximum);
        std::fflush(m_progress);
        m_shown = true;
    }
}

void ConsoleRefreshHost::WipeProgress() {
    if (m_shown) {
        std::fputs("\r\x1b[K", m_progress);  // back to the line's start, erase to its end
        std::fflush(m_progress);
        m_shown = false;
    }
}
