// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamecommand.h"

#include "app/profilesettings.h"
#include "net/hostlookup.h"

#include <QCoreApplication>

namespace {
constexpr char kSection[] = "Game";
constexpr char kCommand[] = "Command";
constexpr char kPasswordArguments[] = "PasswordArguments";

// What the codes of a command stand for.
struct CodeValues {
    QString host, port, password;
};

QString LoadGameText(const char* key, const char* fallback) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    return settings.value(key, QString(fallback)).toString();
}

void SaveGameText(const char* key, const QString& text) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(key, text);
}

// Appends the words of text, its codes replaced, to words; usesPassword is set when it holds %w.
// Empty when the text is good, else why not as a sentence that names it by `subject`.
QString SplitWords(const QString& text, const QString& subject, const CodeValues& values,
                   QStringList& words, bool& usesPassword) {
    if (text.size() > kMaxGameCommandLength) {
        return QCoreApplication::translate("GameCommand", "%1 is longer than %2 characters.")
            .arg(subject)
            .arg(kMaxGameCommandLength);
    }
    QString word;
    bool inWord = false;   // a word has begun (also an empty one, by a pair of quotes)
    bool inQuote = false;  // between an opening and a closing double quote
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
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
            const QChar code = i + 1 < text.size() ? text.at(++i) : QChar();
            if (code == 'a') {
                word += values.host + ':' + values.port;
            } else if (code == 'h') {
                word += values.host;
            } else if (code == 'p') {
                word += values.port;
            } else if (code == 'w') {
                word += values.password;
                usesPassword = true;
            } else if (code == '%') {
                word += '%';
            } else {
                return QCoreApplication::translate(
                           "GameCommand",
                           "%1 holds \"%%2\"; only %a (the server's address), %h (its host), %p "
                           "(its port), %w (the password) and %% (a %) are replaced.")
                    .arg(subject, code.isNull() ? QString() : QString(code));
            }
        }
    }
    if (inQuote) {
        return QCoreApplication::translate("GameCommand",
                                           "%1 has a double quote that is not closed.")
            .arg(subject);
    }
    if (inWord) {
        words << word;
    }
    return {};
}
}  // namespace

QString LoadGameCommand() {
    return LoadGameText(kCommand, kDefaultGameCommand);
}

void SaveGameCommand(const QString& command) {
    SaveGameText(kCommand, command);
}

QString LoadPasswordArguments() {
    return LoadGameText(kPasswordArguments, kDefaultPasswordArguments);
}

void SavePasswordArguments(const QString& arguments) {
    SaveGameText(kPasswordArguments, arguments);
}

GameCommand ExpandGameCommand(const QString& command, const QString& host, uint16_t port,
                              const QString& password, const QString& passwordArguments) {
    const CodeValues values{host, QString::number(port), password};
    if (port == 0 || !IsHostText(host.toStdString())) {
        return {{}, UnjoinableAddressReason(host + ':' + values.port)};
    }
    if (password.contains(QChar(0))) {
        return {{},
                QCoreApplication::translate("GameCommand",
                                            "The password holds a NUL character, which no "
                                            "program argument can carry.")};
    }
    QStringList words;
    bool usesPassword = false;
    QString error =
        SplitWords(command, QCoreApplication::translate("GameCommand", "The game command"), values,
                   words, usesPassword);
    if (error.isEmpty() && (words.isEmpty() || words.first().isEmpty())) {
        error = QCoreApplication::translate("GameCommand", "The game command names no program.");
    }
    QStringList extra;
    bool extraUsesPassword = false;
    if (error.isEmpty()) {
        error = SplitWords(passwordArguments,
                           QCoreApplication::translate("GameCommand", "The password arguments"),
                           values, extra, extraUsesPassword);
    }
    if (!error.isEmpty()) {
        return {{}, error};
    }
    if (!password.isEmpty() && !usesPassword) {
        words << extra;
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
