// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/privatejoin.h"

#include "app/gamelauncher.h"
#include "app/passworddlg.h"
#include "app/passwordstore.h"
#include "net/serveraddress.h"
#include "platform/qt/statusbar.h"
#include "serverlist/servergrid.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

namespace {

QString Address(const QString& host, uint16_t port) {
    return host + ':' + QString::number(port);
}

// Tells a store's failure in the message pane of the status bar of the window of `widget`, if it
// is still there and has one.
void TellFailure(const QPointer<QWidget>& widget, const QString& failure) {
    auto* statusBar = widget ? widget->window()->findChild<CStatusBar*>() : nullptr;
    if (!failure.isEmpty() && statusBar != nullptr) {
        statusBar->SetPaneText(0, failure);
    }
}

}  // namespace

bool JoinPrivateServer(const QString& host, uint16_t port, const QString& name, QWidget* parent) {
    const QString address = Address(host, port);
    CPasswordDlg dialog(name, address, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (dialog.Remember()) {
        RememberPassword(address, dialog.Password(), QCoreApplication::instance(),
                         [parent = QPointer<QWidget>(parent)](const QString& failure) {
                             TellFailure(parent, failure);
                         });
    }
    return StartGame(host, port, parent, name, dialog.Password());
}

bool JoinWithRememberedPassword(const QString& host, uint16_t port, const QString& name,
                                QWidget* parent) {
    QEventLoop wait;
    PasswordRead remembered;
    bool answered = false;
    ReadPassword(Address(host, port), &wait, [&](const PasswordRead& read) {
        remembered = read;
        answered = true;
        wait.quit();
    });
    if (!answered) {
        wait.exec();
    }
    return remembered.password.isEmpty() ? JoinPrivateServer(host, port, name, parent)
                                         : StartGame(host, port, parent, name, remembered.password);
}

bool JoinServer(const ServerAddress& server, const QString& name, bool bPrivate, PasswordFrom from,
                QWidget* parent) {
    const QString host = QString::fromStdString(server.m_ip);
    const auto port = static_cast<uint16_t>(server.m_port);
    if (!bPrivate) {
        return StartGame(host, port, parent, name);
    }
    return from == PasswordFrom::Prompt ? JoinPrivateServer(host, port, name, parent)
                                        : JoinWithRememberedPassword(host, port, name, parent);
}

bool JoinServerRow(const CGridItemInfo& row, const ServerAddress& server, PasswordFrom from,
                   QWidget* parent) {
    return JoinServer(server, row.GetSubText(kNameSubText), ServerRowHasMark(row, kPrivateCellKey),
                      from, parent);
}

void ForgetServerPassword(const QString& address, QWidget* parent) {
    if (address.isEmpty()) {
        return;  // no server row selected
    }
    ForgetPassword(address, QCoreApplication::instance(),
                   [parent = QPointer<QWidget>(parent)](const QString& failure) {
                       TellFailure(parent, failure);
                   });
}
