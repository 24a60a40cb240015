// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/templatedlg.h"
#include "serverlist/servergrid.h"

class QFrame;

// The grid demonstration dialog (template 130, 381 x 264 dialog units): a server grid of its
// own (id 4097, prepared like the view's but without grid lines, with a sunken edge) over the
// hidden placeholder frame 1008, and the buttons OK, Cancel and "&Insert", which inserts a named
// sample subtree under the selected row. Return pressed in the grid is the grid's: it does not
// close the dialog. Escape cancels the dialog wherever the focus is, except that an open in-place
// editor or a drag takes it first (and ends). Elsewhere Return works as in any dialog.
class CGridDemoDlg : public CTemplateDlg {
    Q_OBJECT
public:
    explicit CGridDemoDlg(QWidget* parent = nullptr);

    QFrame* m_wndFrame;     // the placeholder (control 1008), hidden; owned by the dialog
    CServerGrid m_wndGrid;  // rows inserted here vanish with the dialog

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInsert();

    bool m_bGridCreated = false;
};
