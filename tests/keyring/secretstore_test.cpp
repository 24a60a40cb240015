// SPDX-License-Identifier: GPL-3.0-or-later
// Remembered passwords in a secret store: tests/keyring/withkeyring.sh runs this program under a
// session bus and an unlocked keyring daemon of its own.

#include "app/gamelauncher.h"
#include "app/passworddlg.h"
#include "app/passwordstore.h"
#include "app/privatejoin.h"
#include "app/profilesettings.h"
#include "tests/app/standingame.h"
#include "tests/support/modalwatcher.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kr::test {
namespace {

using namespace std::string_literals;

// Joins with "Remember" on, then finds the password offered again: by the dialog, and by joins
// that ask nothing (with the remembered password, and a link's); Forget Password removes it, and
// the settings never hold it.
TEST(SecretStoreTest, ARememberedPasswordIsOfferedAgainUntilForgotten) {
    if (qEnvironmentVariableIsEmpty("KR_TEST_KEYRING")) {
        GTEST_SKIP() << "needs gnome-keyring-daemon (Debian package gnome-keyring) and "
                        "dbus-run-session (dbus-daemon); ctest runs it through withkeyring.sh";
    }
    const QString password = "s3cret \"word\"";
    const QString address = "127.0.0.1:27001";
    const std::string argv =
        "+connect\0"s + address.toStdString() + "\0+password\0"s + password.toStdString() + '\0';
    QWidget window;
    // Joins through `start`, typing the password in the dialog when none is offered and setting
    // "Remember"; what the dialog offered, "-" when none showed.
    const auto join = [&](auto start, bool remember) {
        const StandInGame game("+connect %a");
        QString offered = "-";
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {  // a link's "Join HOST:PORT?"
                box->button(QMessageBox::Yes)->click();
            }
            auto* dialog = qobject_cast<CPasswordDlg*>(modal);
            if (dialog != nullptr && dialog->m_remember->isEnabled()) {  // the store answered
                offered = dialog->m_editPassword->text();
                dialog->m_editPassword->setText(password);
                dialog->m_remember->setChecked(remember);
                dialog->accept();
            }
        });
        EXPECT_TRUE(start("127.0.0.1", 27001, "vault", &window));
        EXPECT_EQ(game.Run(), argv);
        return offered;
    };
    EXPECT_EQ(join(JoinPrivateServer, true), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return RememberedPasswordAddresses().contains(address); }));
    EXPECT_EQ(join(JoinPrivateServer, false), password);
    EXPECT_EQ(join(JoinWithRememberedPassword, false), "-");
    const auto askToJoin = [](const QString& host, uint16_t port, const QString& name,
                              QWidget* parent) { return AskToStartGame(host, port, parent, name); };
    EXPECT_EQ(join(askToJoin, false), "-");  // a link or Recently Played takes it along
    ForgetServerPassword(address, &window);
    EXPECT_FALSE(RememberedPasswordAddresses().contains(address));
    EXPECT_EQ(join(JoinPrivateServer, false), "");
    const QString settings = QFileInfo(CProfileSettings().fileName()).absolutePath();
    EXPECT_EQ(FilesHolding(settings.toStdString(), password.toStdString()).size(), 0u);
}

}  // namespace
}  // namespace kr::test
