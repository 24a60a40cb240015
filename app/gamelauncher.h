// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// The title of the boxes about joining a server, in the installed translation.
QString JoinBoxTitle();

// One warning box about joining, owned by parent, showing text as written (never as markup).
// Returns once it is answered.
void ShowJoinWarning(const QString& text, QWidget* parent);

// Starts the game for the server at host:port: the saved game command (LoadGameCommand),
// expanded for that address and the password, if any, with the saved password arguments
// (ExpandGameCommand, LoadPasswordArguments), run detached as a program and its arguments,
// without a shell. True when it started, and the join is then recorded in the recently played
// servers with `name` (RecordRecentServer; an empty name keeps the one recorded before) and told
// through CGameStarts::started.
// Otherwise one warning box owned by parent shows the command as the user wrote it and why it did
// not start, and false comes back once it is answered; nothing is recorded. UI thread; returns
// when the program has been started or has failed to.
bool StartGame(const QString& host, uint16_t port, QWidget* parent, const QString& name = {},
               const QString& password = {});

// Asks "Join HOST:PORT?" in a box owned by parent; Yes starts the game (StartGame), with the
// password remembered for host:port when there is one (JoinWithRememberedPassword). True when the
// game started. Returns once the question and the start are done.
bool AskToStartGame(const QString& host, uint16_t port, QWidget* parent, const QString& name = {});
