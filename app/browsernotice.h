// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/posix/usernotice.h"

#include <QObject>

// The browser's user notices, translated (TranslatedNotice): status texts go to pane 0 of
// g_pStatusBar with an immediate repaint (nothing while the status bar has not been looked up),
// message boxes are modal boxes over the main window (without an owner before it exists). Either
// may come from the query thread: it is then carried over to the UI thread as a blocking call,
// which completes because the refresh keeps handling events.
class CBrowserNotice : public QObject, public IUserNotice {
    Q_OBJECT
public:
    CBrowserNotice() = default;
    void ShowStatusText(const NoticeText& text) override;
    void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) override;

private:
    void RunOnUiThread(const std::function<void()>& call);
};
