// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serverlist/sortorder.h"

#include <QObject>

class CServerGrid;
class QAction;
class QActionGroup;
class QMenu;

// View > "Sort By": one item per sort key (Ping, Server, Map, Players, Mod, Ip:Port) and
// "Descending", for the server grid's order. Choosing a key takes its own first direction;
// either choice re-sorts the grid at once, keeping what is expanded, the selection and the
// scroll position (CServerGrid::Resort), and the sort at the end of a refresh applies it too.
// The key and direction are kept in the settings ("Sort" group); a stored key the program does
// not know reads as Ping.
// View > "Sort by Clicking Column Headers" (off at first, kept in the settings): while on, a click
// on the header of a column with a key sorts by it, a second click on the same header reverses
// the order, and the header shows the sort indicator; while off, a click changes nothing.
class CSortMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to view and gives the grid the stored order; parent owns this object.
    CSortMenu(CServerGrid* grid, QMenu* view, QObject* parent);

private:
    void Apply(const SortOrder& order);
    void ShowOrder();
    void SetHeaderSorting(bool on);
    void OnHeaderClicked(int column);

    CServerGrid* m_pGrid;
    QActionGroup* m_pKeys;
    QAction* m_pDescending;
    QAction* m_pHeaderSorting;
};
