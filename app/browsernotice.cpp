#include "app/browsernotice.h"

#include "app/browserrefreshhost.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/statusbar.h"

#include <QMessageBox>
#include <QThread>

void CBrowserNotice::ShowStatusText(const std::string& text) {
    RunOnUiThread([text] {
        if (g_pStatusBar != nullptr) {
            g_pStatusBar->SetPaneText(0, QString::fromLatin1(text.c_str()), TRUE);
            g_pStatusBar->UpdateWindow();
        }
    });
}

void CBrowserNotice::ShowMessageBox(const std::string& text, const std::string& title,
                                    NoticeIcon icon) {
    RunOnUiThread([&] {
        QMessageBox box(
            icon == NoticeIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
            QString::fromLatin1(title.c_str()), QString::fromLatin1(text.c_str()), QMessageBox::Ok,
            AfxGetMainWnd());
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
