// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/passwordstore.h"

#include "app/profilesettings.h"

#include <qt6keychain/keychain.h>
#include <QCoreApplication>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

constexpr char kSection[] = "Passwords";
constexpr char kRemembered[] = "Remembered";
constexpr qsizetype kMaxRemembered = 1000;

QStringList LoadRememberedList() {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    return settings.value(kRemembered).toStringList().mid(0, kMaxRemembered);
}

void SetRemembered(const QString& address, bool remembered) {
    QStringList list = LoadRememberedList();
    list.removeAll(address);
    if (remembered) {
        list.prepend(address);
    }
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kRemembered, list.mid(0, kMaxRemembered));
}

// Starts the job (which deletes itself once it has finished) and hands `done` the job once it
// has finished, or null when it has not within kPasswordStoreTimeoutMs.
void Run(QKeychain::Job* job, QObject* context, std::function<void(QKeychain::Job*)> done) {
    auto answered = std::make_shared<bool>(false);
    auto once = [answered, done = std::move(done)](QKeychain::Job* finished) {
        if (!std::exchange(*answered, true)) {
            done(finished);
        }
    };
    QObject::connect(job, &QKeychain::Job::finished, context, once);
    QTimer::singleShot(kPasswordStoreTimeoutMs, context, [once] { once(nullptr); });
    job->setInsecureFallback(false);  // never a plain-text file in place of the store
    job->start();
}

// Why the job did not do its work; empty when it did, or found no entry to read or delete.
QString Failure(const QKeychain::Job* job) {
    if (job == nullptr) {
        return QCoreApplication::translate("PasswordStore",
                                           "The desktop's secret store did not answer within "
                                           "2 seconds.");
    }
    if (job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound) {
        return {};
    }
    return QCoreApplication::translate("PasswordStore", "No secret store answers: %1")
        .arg(job->errorString());
}

}  // namespace

void ReadPassword(const QString& address, QObject* context,
                  std::function<void(const PasswordRead&)> done) {
    auto* job = new QKeychain::ReadPasswordJob(kPasswordService);
    job->setKey(address);
    Run(job, context, [done = std::move(done)](QKeychain::Job* finished) {
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        const QString failure = Failure(read);
        done({read != nullptr && failure.isEmpty() ? read->textData() : QString(), failure});
    });
}

void RememberPassword(const QString& address, const QString& password, QObject* context,
                      std::function<void(const QString& failure)> done) {
    auto* job = new QKeychain::WritePasswordJob(kPasswordService);
    job->setKey(address);
    job->setTextData(password);
    Run(job, context, [address, done = std::move(done)](QKeychain::Job* finished) {
        const QString failure = Failure(finished);
        if (failure.isEmpty()) {
            SetRemembered(address, true);
        }
        done(failure);
    });
}

void ForgetPassword(const QString& address, QObject* context,
                    std::function<void(const QString& failure)> done) {
    SetRemembered(address, false);
    auto* job = new QKeychain::DeletePasswordJob(kPasswordService);
    job->setKey(address);
    Run(job, context,
        [done = std::move(done)](QKeychain::Job* finished) { done(Failure(finished)); });
}

QSet<QString> RememberedPasswordAddresses() {
    const QStringList list = LoadRememberedList();
    return QSet<QString>(list.begin(), list.end());
}
