// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>

class CServerGrid;
class QLabel;
class QTimer;

// The "Server Details" dock: the grid's text for its selected row (CServerGrid::DetailsText) as
// plain text that can be selected with the mouse or the keyboard and that assistive technology
// reads. While shown it follows the selection at once, and rows filed, rewritten or removed
// within a quarter of a second (one reading however many rows change meanwhile); showing it
// reads the selected row. It keeps only the text, never a
// node, so a row removed or rewritten meanwhile is never read. Hidden at first; the frame docks
// it at the bottom, and it may be moved beside the grid. Grid's thread only.
class CServerDetailsPane : public QDockWidget {
    Q_OBJECT
public:
    // grid: not owned, outlives the pane.
    CServerDetailsPane(CServerGrid* grid, QWidget* parent);

    // The text shown.
    QString Text() const;
    // Reads the selected row's text now. O(1), or O(subtree) for a group row.
    void ShowSelected();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CServerGrid* m_pGrid;
    QLabel* m_pText;
    QTimer* m_pReread;
};
