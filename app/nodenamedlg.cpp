// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/nodenamedlg.h"

#include "app/commandids.h"
#include "serverlist/servergrid.h"

#include <QLineEdit>

CNodeNameDlg::CNodeNameDlg(QWidget* parent)
    : CTemplateDlg(tr("A tedious dialogbox"), DialogFont("Tahoma", 8), 187, 46, parent),
      m_editName(new QLineEdit(this)) {
    PlaceControl(m_editName, IDC_NODE_NAME, 7, 25, 117, 14);
    AddButton(tr("OK"), IDOK, 130, 7, 50, 14, true);
    AddButton(tr("Cancel"), IDCANCEL, 130, 24, 50, 14, false);
    AddStatic(tr("Enter new node name"), 7, 7, 106, 8);
    m_editName->setFocus();
}

void CNodeNameDlg::OnOK() {
    m_strName = m_editName->text();
    CTemplateDlg::OnOK();
}

// The selected node, not its row, is held across the prompt: servers filed meanwhile move rows.
void PromptAndInsertSampleItems(CServerGrid& grid, QWidget* parent) {
    CGridTreeItem* node = grid.NodeFromRow(grid.GetSelectedRow());
    if (node == nullptr) {
        return;
    }
    CNodeNameDlg prompt(parent);
    if (prompt.DoModal() == IDOK && grid.HeldNodeRemains(node)) {
        grid.InsertSampleItems(node, prompt.m_strName);
    }
}
