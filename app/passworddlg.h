// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct PasswordRead;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The password prompt of a private server: a text naming the server and its address, the
// password field (echo off), "Remember for this server" (off), OK (greyed while the field is
// empty) and Cancel. It shows at once and asks the secret store meanwhile (ReadPassword): a
// remembered password fills the field unless the player has typed in it; while the store has not
// answered, and where it does not answer, "Remember" is greyed and its tool tip says why, and a
// line under the field says once that the store did not answer.
class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    CPasswordDlg(const QString& name, const QString& address, QWidget* parent = nullptr);

    QString Password() const;
    bool Remember() const;

    QLabel* m_text;  // names the server; owned by the dialog
    QLineEdit* m_editPassword;
    QCheckBox* m_remember;
    QLabel* m_storeNote;  // hidden until the store fails to answer

private:
    void OnStoreAnswer(const PasswordRead& read);

    QDialogButtonBox* m_buttons;
};
