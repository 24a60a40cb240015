// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

class CGridItemInfo;
class QWidget;
struct ServerAddress;

// Joining a server that needs a password. The password goes only to the game's arguments and,
// when the player asks, to the secret store (app/passwordstore.h); never to a log, a file or the
// clipboard.

// Asks for the password of the server at host:port named `name` (CPasswordDlg over parent,
// pre-filled from the store), then starts the game with it (StartGame). With "Remember" on the
// password is also stored; a store that does not take it is told in the status bar of parent's
// window. Cancel starts nothing. True when the game started. Returns once the dialog and the start
// are done; the store is written afterwards.
bool JoinPrivateServer(const QString& host, uint16_t port, const QString& name, QWidget* parent);

// Starts the game with the password remembered for the server, read first (the window's events
// are handled meanwhile, for at most 2 s); without one, or when the store does not answer, asks
// as JoinPrivateServer does. True when the game started.
bool JoinWithRememberedPassword(const QString& host, uint16_t port, const QString& name,
                                QWidget* parent);

// Where a join takes a private server's password from: the prompt (pre-filled with a remembered
// one), or the remembered one, the prompt only without it.
enum class PasswordFrom { Prompt, Remembered };

// Starts the game on the server named `name`: a private one (bPrivate: its answer carries the
// private mark) through JoinPrivateServer or JoinWithRememberedPassword, as `from` says, any other
// at once (StartGame). True when the game started.
bool JoinServer(const ServerAddress& server, const QString& name, bool bPrivate, PasswordFrom from,
                QWidget* parent);

// JoinServer for the server of a server row, named as the row names it, private when the row
// carries the private mark.
bool JoinServerRow(const CGridItemInfo& row, const ServerAddress& server, PasswordFrom from,
                   QWidget* parent);

// Forget Password: the server's password leaves the store and its address the remembered ones
// (nothing for an empty address); a store that does not delete it is told in the status bar of
// parent's window.
void ForgetServerPassword(const QString& address, QWidget* parent);
