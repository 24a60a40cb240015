#include "app/gamelauncher.h"

#include "app/gamecommand.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

QString JoinBoxTitle() {
    return QCoreApplication::translate("GameLauncher", "KR Server Browser");
}

bool StartGame(const QString& host, uint16_t port, QWidget* parent) {
    const QString command = LoadGameCommand();
    const GameCommand expanded = ExpandGameCommand(command, host, port);
    QString reason = expanded.error;
    if (reason.isEmpty()) {
        QProcess game;
        game.setProgram(expanded.arguments.first());
        game.setArguments(expanded.arguments.mid(1));
        if (game.startDetached()) {
            return true;
        }
        reason = QCoreApplication::translate("GameLauncher", "\"%1\" did not start: %2.")
                     .arg(game.program(), game.errorString());
    }
    QMessageBox box(QMessageBox::Warning, JoinBoxTitle(),
                    QCoreApplication::translate(
                        "GameLauncher", "The game could not be started.\n\nGame command: %1\n\n%2")
                        .arg(command, reason),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // the command is shown as typed, never as markup
    box.exec();
    return false;
}
