// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The command that starts the game for a chosen server. It is kept as the user typed it and
// turned into an argument list here, never handed to a shell, and only the server's address and
// the password the player gave are put into it: nothing a server sends (name, map) can reach the
// command line.

// The settings' group "Game", key "Command"; kDefaultGameCommand when it was never saved.
inline constexpr char kDefaultGameCommand[] = "korvath +connect %a";
QString LoadGameCommand();
void SaveGameCommand(const QString& command);

// The words added for a password (group "Game", key "PasswordArguments"); kDefaultPasswordArguments
// when they were never saved.
inline constexpr char kDefaultPasswordArguments[] = "+password %w";
QString LoadPasswordArguments();
void SavePasswordArguments(const QString& arguments);

// Longer commands are refused before they are read.
constexpr int kMaxGameCommandLength = 4096;

// A command split into words: the program first, then its arguments. Exactly one of the two is
// set: arguments (never empty) when the command is good, error (a sentence for a message box)
// when it is refused.
struct GameCommand {
    QStringList arguments;
    QString error;
};

// Splits the command into words: blanks separate them, double quotes group blanks into a word
// and may sit anywhere in one (a"b c" is the word ab c; "" is an empty word). In each word %a
// becomes "host:port", %h the host, %p the port, %w the password (nothing without one) and %% a
// single %; what they put in is not read again, so a password of any characters is one word.
// With a password, the words of passwordArguments, split and expanded the same way, follow the
// command's, unless the command uses %w itself; without one they are left out. Refused: a host
// that is not a host text (IsHostText: so nothing put in begins with '-' and the game never takes
// it for an option) or port 0, whoever handed them over; a password holding a NUL character (no
// argument can carry it); no program (nothing but blanks, or an empty first word), an unclosed
// quote, a % followed by anything else or by nothing, and a command or password arguments longer
// than kMaxGameCommandLength characters (refused at once). The password arguments may be empty.
// O(length of the command, of the password arguments and of what they expand to).
GameCommand ExpandGameCommand(const QString& command, const QString& host, uint16_t port,
                              const QString& password = {},
                              const QString& passwordArguments = kDefaultPasswordArguments);

// Why the "host:port" text cannot be joined, as a sentence for a message box.
QString UnjoinableAddressReason(const QString& address);
