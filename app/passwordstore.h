// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

#include <functional>

class QObject;

// Passwords remembered for servers: kept only in the desktop's secret store, through QtKeychain
// (service kPasswordService, key "host:port"), never in a plain file. The settings keep only which
// addresses have one ("Passwords/Remembered"), for Quick Join and the context menu.
// Every call returns at once: the store's jobs run on the calling (user-interface) thread's event
// loop, and `done` runs there once, with the answer or, after kPasswordStoreTimeoutMs without
// one, a failure saying so (a later answer is then dropped). `done` does not run when `context`
// is destroyed first.

inline constexpr char kPasswordService[] = "Korvath Servers Browser";
constexpr int kPasswordStoreTimeoutMs = 2000;

// What the store answered: the password found (empty when none is remembered), or why it did
// not answer (a sentence; empty when it did).
struct PasswordRead {
    QString password;
    QString failure;
};

void ReadPassword(const QString& address, QObject* context,
                  std::function<void(const PasswordRead&)> done);
// Stores the password; once it is stored, the address is added to the remembered ones. `done`
// gets why it was not stored, or an empty text.
void RememberPassword(const QString& address, const QString& password, QObject* context,
                      std::function<void(const QString& failure)> done);
// Removes the address from the remembered ones at once, and the password from the store; `done`
// gets why the store did not delete it, or an empty text (also when it held none).
void ForgetPassword(const QString& address, QObject* context,
                    std::function<void(const QString& failure)> done);

// The addresses with a remembered password, as the settings list them (the first 1000).
QSet<QString> RememberedPasswordAddresses();
