// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamelauncher.h"

#include "app/gamecommand.h"
#include "app/gamestarts.h"
#include "app/passwordstore.h"
#include "app/privatejoin.h"
#include "app/recentservers.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

QString JoinBoxTitle() {
    return QCoreApplication::translate("GameLauncher", "KR Server Browser");
}

void ShowJoinWarning(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, JoinBoxTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // commands and addresses are shown as typed
    box.exec();
}

bool StartGame(const QString& host, uint16_t port, QWidget* parent, const QString& name,
               const QString& password) {
    const QString command = LoadGameCommand();
    const GameCommand expanded =
        ExpandGameCommand(command, host, port, password, LoadPasswordArguments());
    QString reason = expanded.error;
    if (reason.isEmpty()) {
        QProcess game;
        game.setProgram(expanded.arguments.first());
        game.setArguments(expanded.arguments.mid(1));
        if (game.startDetached()) {
            RecordRecentServer(host + ':' + QString::number(port), name,
                               QDateTime::currentDateTimeUtc());
            emit CGameStarts::Instance().started(host + ':' + QString::number(port));
            return true;
        }
        // The program is named as expanded without the password: a box never shows it.
        const QString program = ExpandGameCommand(command, host, port, {}, {}).arguments.value(0);
        reason = QCoreApplication::translate("GameLauncher", "\"%1\" did not start: %2.")
                     .arg(program, game.errorString());
    }
    ShowJoinWarning(QCoreApplication::translate(
                        "GameLauncher", "The game could not be started.\n\nGame command: %1\n\n%2")
                        .arg(command, reason),
                    parent);
    return false;
}

bool AskToStartGame(const QString& host, uint16_t port, QWidget* parent, const QString& name) {
    const QString question =
        QCoreApplication::translate("GameLauncher", "Join %1:%2?").arg(host).arg(port);
    if (QMessageBox::question(parent, JoinBoxTitle(), question) != QMessageBox::Yes) {
        return false;
    }
    // Whether the server is private is not known here; a remembered password is taken along.
    return RememberedPasswordAddresses().contains(host + ':' + QString::number(port))
               ? JoinWithRememberedPassword(host, port, name, parent)
               : StartGame(host, port, parent, name);
}
