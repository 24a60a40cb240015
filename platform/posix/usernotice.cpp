// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/usernotice.h"

#include <atomic>

namespace {
std::atomic<IUserNotice*> g_userNotice{nullptr};
}

void SetUserNotice(IUserNotice* notice) {
    g_userNotice.store(notice);
}

IUserNotice* GetUserNotice() {
    return g_userNotice.load();
}

void SetStatusText(const NoticeText& text) {
    if (IUserNotice* notice = g_userNotice.load()) {
        notice->ShowStatusText(text);
    }
}

void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) {
    if (IUserNotice* notice = g_userNotice.load()) {
        notice->ShowMessageBox(text, title, icon);
    }
}
