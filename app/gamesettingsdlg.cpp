// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamesettingsdlg.h"

#include "app/gamecommand.h"
#include "app/mastersettings.h"
#include "app/queryspeedsettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

CGameSettingsDlg::CGameSettingsDlg(QWidget* parent)
    : QDialog(parent),
      m_editCommand(new QLineEdit(LoadGameCommand(), this)),
      m_editPasswordArguments(new QLineEdit(LoadPasswordArguments(), this)),
      m_problem(new QLabel(this)) {
    setWindowTitle(tr("Game Settings"));
    m_editCommand->setMinimumWidth(m_editCommand->fontMetrics().averageCharWidth() * 48);
    auto* hint = new QLabel(
        tr("%a is replaced by the server's address (host:port), %h by its host, %p by its port "
           "and %w by the password (nothing without one). Quote words that hold blanks. When a "
           "password is given and the game command has no %w, the password arguments are added "
           "after it."),
        this);
    hint->setWordWrap(true);
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGameSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGameSettingsDlg::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Game command:"), m_editCommand);
    layout->addRow(tr("Password arguments:"), m_editPasswordArguments);
    layout->addRow(hint);
    layout->addRow(m_problem);
    CMasterListEdit::AddTo(*layout, *this);
    auto* speed = new CQuerySpeedChoice(this);  // saved only when OK closes the dialog
    layout->addRow(tr("Query speed:"), speed);
    connect(this, &QDialog::accepted, speed, &CQuerySpeedChoice::Save);
    layout->addRow(buttons);
}

bool CGameSettingsDlg::Run(QWidget* parent) {
    CGameSettingsDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

void CGameSettingsDlg::accept() {
    // Any address and password will do: whether the texts are good does not depend on them.
    const GameCommand check = ExpandGameCommand(m_editCommand->text(), "127.0.0.1", 1, "x",
                                                m_editPasswordArguments->text());
    if (!check.error.isEmpty()) {
        m_problem->setText(check.error);
        m_problem->show();
        m_editCommand->setFocus();
        return;
    }
    SaveGameCommand(m_editCommand->text());
    SavePasswordArguments(m_editPasswordArguments->text());
    QDialog::accept();
}
