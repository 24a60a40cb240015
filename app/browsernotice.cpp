// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browsernotice.h"

#include "app/browserrefreshhost.h"
#include "app/noticetranslation.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/statusbar.h"

#include <QMessageBox>
#include <QThread>

void CBrowserNotice::ShowStatusText(const NoticeText& text) {
    RunOnUiThread([text] {
        if (g_pStatusBar != nullptr) {
            g_pStatusBar->SetPaneText(0, TranslatedNotice(text), TRUE);
            g_pStatusBar->UpdateWindow();
        }
    });
}

void CBrowserNotice::ShowMessageBox(const NoticeText& text, const NoticeText& title,
                                    NoticeIcon icon) {
    RunOnUiThread([&] {
        QMessageBox box(
            icon == NoticeIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
            TranslatedNotice(title), TranslatedNotice(text), QMessageBox::Ok, AfxGetMainWnd());
        box.exec();
    });
}

void CBrowserNotice::RunOnUiThread(const std::function<void()>& call) {
    if (QThread::currentThread() == thread()) {
        call();
    } else {
        QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
    }
}
