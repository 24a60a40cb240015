// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serverlist/serverfilter.h"

#include <QToolBar>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The bar under the toolbar that filters the server rows: a search box, "Hide empty", "Hide
// full", "Max ping" (0: off) and "Favourites only". Every change is told at once (filterChanged).
// Escape in the search box clears it and asks for the focus to go back to the grid
// (leaveRequested). Saved in the settings under "Filter/" and restored by Load.
class CFilterBar : public QToolBar {
    Q_OBJECT

public:
    explicit CFilterBar(QWidget* parent = nullptr);

    ServerFilter Filter() const;
    void SetFilter(const ServerFilter& filter);  // tells no change
    // Shows the bar and puts the focus in the search box, its text selected.
    void FocusSearch();
    // The saved filter and the bar's visibility (hidden when nothing was saved); Save writes both.
    void Load();
    void Save() const;

signals:
    void filterChanged(const ServerFilter& filter);
    void leaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed();

    QLineEdit* m_pSearch;
    QCheckBox* m_pHideEmpty;
    QCheckBox* m_pHideFull;
    QSpinBox* m_pMaxPing;
    QCheckBox* m_pFavouritesOnly;
    bool m_bSetting = false;  // SetFilter is writing the controls
};
