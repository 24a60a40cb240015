// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Game Settings": the game command and the password arguments in two line edits, a hint naming
// their codes, OK and Cancel. OK saves both when ExpandGameCommand accepts them and closes; else
// the reason shows under the edits and the dialog stays open. Cancel saves nothing. Below them,
// "Query speed" (CQuerySpeedChoice), saved when OK closes the dialog.
class CGameSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGameSettingsDlg(QWidget* parent = nullptr);

    // Shows the dialog modally over parent with the saved command; true when OK saved one.
    static bool Run(QWidget* parent);

    void accept() override;

    QLineEdit* m_editCommand;  // owned by the dialog
    QLineEdit* m_editPasswordArguments;
    QLabel* m_problem;  // why OK was refused; hidden until it is
};
