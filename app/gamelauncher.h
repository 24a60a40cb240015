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
// expanded for that address (ExpandGameCommand), run detached as a program and its arguments,
// without a shell. True when it started. Otherwise one warning box owned by parent shows the
// command as the user wrote it and why it did not start, and false comes back once it is
// answered. UI thread; returns when the program has been started or has failed to.
bool StartGame(const QString& host, uint16_t port, QWidget* parent);
