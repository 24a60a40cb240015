// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/usernotice.h"

#include <atomic>
#include <utility>

namespace {
std::atomic<IUserNotice*> g_userNotice{nullptr};
thread_local ScopedNoticeCapture* t_capture = nullptr;
}  // namespace

void SetUserNotice(IUserNotice* notice) {
    g_userNotice.store(notice);
}

IUserNotice* GetUserNotice() {
    return g_userNotice.load();
}

void SetStatusText(const NoticeText& text) {
    if (t_capture != nullptr) {
        t_capture->m_texts.push_back(text);
    } else if (IUserNotice* notice = g_userNotice.load()) {
        notice->ShowStatusText(text);
    }
}

void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) {
    if (t_capture != nullptr) {
        t_capture->m_texts.push_back(text);
    } else if (IUserNotice* notice = g_userNotice.load()) {
        notice->ShowMessageBox(text, title, icon);
    }
}

ScopedNoticeCapture::ScopedNoticeCapture() {
    t_capture = this;
}

ScopedNoticeCapture::~ScopedNoticeCapture() {
    t_capture = nullptr;
}

std::vector<NoticeText> ScopedNoticeCapture::Take() {
    return std::exchange(m_texts, {});
}
