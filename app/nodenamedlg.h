// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/templatedlg.h"

class CServerGrid;
class QLineEdit;

// The node name prompt (template 131, 187 x 46 dialog units, Tahoma 8): an edit box, OK (the
// default button) and Cancel. OK takes the edit box's text into m_strName; Cancel leaves it empty.
class CNodeNameDlg : public CTemplateDlg {
    Q_OBJECT
public:
    explicit CNodeNameDlg(QWidget* parent = nullptr);

    void OnOK() override;

    QLineEdit* m_editName;  // control 1000, owned by the dialog
    QString m_strName;      // the name entered; empty until OK
};

// Asks for a node name and inserts the sample subtree of that name under the node of the grid's
// selected row (CServerGrid::InsertSampleItems), wherever rows have moved meanwhile. Nothing, and
// no prompt, without a selected row; nothing when the prompt is cancelled, nor when the node has
// gone meanwhile (the status bar says so). parent owns the prompt.
void PromptAndInsertSampleItems(CServerGrid& grid, QWidget* parent);
