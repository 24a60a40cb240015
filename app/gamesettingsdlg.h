#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Game Settings": the game command in one line edit, a hint naming its codes, OK and Cancel.
// OK saves a command ExpandGameCommand accepts and closes; for one it refuses, the reason shows
// under the edit and the dialog stays open. Cancel saves nothing.
class CGameSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGameSettingsDlg(QWidget* parent = nullptr);

    // Shows the dialog modally over parent with the saved command; true when OK saved one.
    static bool Run(QWidget* parent);

    void accept() override;

    QLineEdit* m_editCommand;  // owned by the dialog
    QLabel* m_problem;         // why OK was refused; hidden until it is
};
