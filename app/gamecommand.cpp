#include "app/gamecommand.h"

#include "app/profilesettings.h"
#include "net/hostlookup.h"

#include <QCoreApplication>

namespace {
constexpr char kSection[] = "Game";
constexpr char kCommand[] = "Command";

GameCommand Refused(const QString& reason) {
    return {{}, reason};
}
}  // namespace

QString LoadGameCommand() {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    return settings.value(kCommand, QString(kDefaultGameCommand)).toString();
}

void SaveGameCommand(const QString& command) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kCommand, command);
}

GameCommand ExpandGameCommand(const QString& command, const QString& host, uint16_t port) {
    const QString portText = QString::number(port);
    if (port == 0 || !IsHostText(host.toStdString())) {
        return Refused(UnjoinableAddressReason(host + ':' + portText));
    }
    if (command.size() > kMaxGameCommandLength) {
        return Refused(QCoreApplication::translate("GameCommand",
                                                   "The game command is longer than %1 characters.")
                           .arg(kMaxGameCommandLength));
    }
    QStringList words;
    QString word;
    bool inWord = false;   // a word has begun (also an empty one, by a pair of quotes)
    bool inQuote = false;  // between an opening and a closing double quote
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command.at(i);
        if (!inQuote && (c == ' ' || c == '\t')) {
            if (inWord) {
                words << word;
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == '"') {
            inQuote = !inQuote;
        } else if (c != '%') {
            word += c;
        } else {
            const QChar code = i + 1 < command.size() ? command.at(++i) : QChar();
            if (code == 'a') {
                word += host + ':' + portText;
            } else if (code == 'h') {
                word += host;
            } else if (code == 'p') {
                word += portText;
            } else if (code == '%') {
                word += '%';
            } else {
                return Refused(
                    QCoreApplication::translate("GameCommand",
                                                "The game command holds \"%%1\"; only %a (the "
                                                "server's address), %h (its host), %p (its port) "
                                                "and %% (a %) are replaced.")
                        .arg(code.isNull() ? QString() : QString(code)));
            }
        }
    }
    if (inQuote) {
        return Refused(QCoreApplication::translate(
            "GameCommand", "The game command has a double quote that is not closed."));
    }
    if (inWord) {
        words << word;
    }
    if (words.isEmpty() || words.first().isEmpty()) {
        return Refused(
            QCoreApplication::translate("GameCommand", "The game command names no program."));
    }
    return {words, {}};
}

QString UnjoinableAddressReason(const QString& address) {
    return QCoreApplication::translate("GameCommand",
                                       "\"%1\" is not a server address a game can join: a host "
                                       "name or an IPv4 address (a.b.c.d), a colon and a port "
                                       "from 1 to 65535.")
        .arg(address);
}
