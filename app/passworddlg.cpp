// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/passworddlg.h"

#include "app/gamelauncher.h"
#include "app/passwordstore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A server's name comes from the server: only so much of it is shown.
constexpr qsizetype kMaxShownNameLength = 80;

}  // namespace

CPasswordDlg::CPasswordDlg(const QString& name, const QString& address, QWidget* parent)
    : QDialog(parent),
      m_text(new QLabel(this)),
      m_editPassword(new QLineEdit(this)),
      m_remember(new QCheckBox(tr("Remember for this server"), this)),
      m_storeNote(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(JoinBoxTitle());
    m_text->setText(tr("The server %1 (%2) needs a password.")
                        .arg(name.left(kMaxShownNameLength).simplified(), address));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_editPassword->setEchoMode(QLineEdit::Password);
    m_remember->setEnabled(false);
    m_remember->setToolTip(tr("Asking the desktop's secret store..."));
    m_storeNote->setTextFormat(Qt::PlainText);
    m_storeNote->setWordWrap(true);
    m_storeNote->hide();
    QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_editPassword, &QLineEdit::textChanged, ok,
            [ok](const QString& password) { ok->setEnabled(!password.isEmpty()); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_editPassword);
    layout->addWidget(m_remember);
    layout->addWidget(m_storeNote);
    layout->addWidget(m_buttons);
    ReadPassword(address, this, [this](const PasswordRead& read) { OnStoreAnswer(read); });
}

QString CPasswordDlg::Password() const {
    return m_editPassword->text();
}

bool CPasswordDlg::Remember() const {
    return m_remember->isEnabled() && m_remember->isChecked();
}

void CPasswordDlg::OnStoreAnswer(const PasswordRead& read) {
    m_remember->setEnabled(read.failure.isEmpty());
    if (!read.failure.isEmpty()) {
        m_remember->setToolTip(read.failure + ' ' +
                               tr("Passwords are kept only in the desktop's secret store, never "
                                  "in a plain file, so none can be remembered now."));
        m_storeNote->setText(read.failure + ' ' + tr("No remembered password is offered."));
        m_storeNote->show();
        return;
    }
    m_remember->setToolTip(tr("Keep the password in the desktop's secret store"));
    if (!read.password.isEmpty() && !m_editPassword->isModified()) {
        m_editPassword->setText(read.password);
    }
}
