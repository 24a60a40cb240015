// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <mutex>
#include <utility>
#include <vector>

#include "net/refreshhost.h"
#include "net/serverrecord.h"
#include "platform/posix/usernotice.h"

// Status texts and message boxes as lines on standard error, in English.
class ConsoleNotice : public IUserNotice {
public:
    void ShowStatusText(const NoticeText& text) override;
    void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) override;
};

// One record as the query thread filed it.
struct FiledServer {
    ServerRecord record;
    std::size_t listIndex;
};

// The refresh front end without a window: collects the filed records in filing order. There is
// no status bar to keep; the sort is left to the output (FiledServers keeps the order in which
// the queries finished, which equal pings keep).
class ConsoleRefreshHost : public IRefreshHost {
public:
    // progress: where the progress line goes ("Queried K of N servers", rewritten in place after
    // each server and wiped when the last is done), meant for a terminal; null: no progress.
    explicit ConsoleRefreshHost(std::FILE* progress = nullptr) : m_progress(progress) {}

    void LocateStatusBar() override {}
    void BeginProgress(const NoticeText& label, int maximum) override;
    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override;
    void StepProgress() override;
    void SortRows() override {}
    void EndProgress() override;
    void WaitForWorkerEnd(TEvent& workerEnded) override;
    // The speed of the queries: the described one until set.
    QuerySpeed QuerySpeedSetting() override { return m_speed; }
    void SetQuerySpeed(const QuerySpeed& speed) { m_speed = speed; }

    // The records in filing order, handed over; call once, after the refresh.
    std::vector<FiledServer> TakeFiledServers() { return std::move(m_filed); }

private:
    void ShowProgress();  // under m_lock
    void WipeProgress();  // under m_lock

    std::mutex m_lock;  // "update" already serialises the filing; this keeps the list safe alone
    std::vector<FiledServer> m_filed;
    std::FILE* m_progress;
    int m_done = 0;
    int m_maximum = 0;
    bool m_shown = false;  // a progress line stands on the terminal
    QuerySpeed m_speed = kDescribedSpeed;
};
