// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QPlainTextEdit>
#include <QStringList>

#include "net/masterclient.h"

class QDialog;
class QFormLayout;
class QLabel;

// The master servers between runs: the settings' section "Masters", key "Servers", the list of
// "HOST[:PORT]" texts in the order they are tried (the compiled-in master when the key is missing
// or holds none that ParseMasterOption takes), and key "Answered", the master that gave the last
// list, tried first next time. The command line's masters, when given, win over both for the run
// and are not remembered. Threads: the user-interface thread only.

// The command line's masters: used for the run (SetMasterServers), the settings left alone.
void UseCommandLineMasters(std::vector<MasterEndpoint> masters);
// Unless the command line gave masters: sets the masters of the settings, the one that answered
// last first. Reads the settings once.
void ApplyMasterSettings();
// Unless the command line gave masters: remembers the first of MasterServers() (the one that
// answered, once a refresh found one) as "Answered".
void RememberAnsweredMaster();

// The list for Game Settings: one master a line, as the settings hold them. Lines that are not
// HOST[:PORT] are named under the edit while the user types and are not saved. When the dialog is
// accepted the list is saved and, unless the command line gave masters, used from the next
// refresh on (an empty list: the compiled-in master).
class CMasterListEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    // Adds the edit and its problem line to the dialog's form, saving when it is accepted.
    static CMasterListEdit* AddTo(QFormLayout& layout, QDialog& dialog);

    // The masters of the text, the lines that are not HOST[:PORT] left out; blanks around a line
    // are ignored.
    std::vector<MasterEndpoint> Masters() const;

private:
    CMasterListEdit(QWidget* parent, QLabel* problem);
    void ShowProblem();
    void Save() const;

    QLabel* m_problem;  // names the first line that is not HOST[:PORT]; hidden when none
};
