// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsettings.h"

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/profilesettings.h"
#include "app/serverdetailspane.h"

namespace {
constexpr char kSection[] = "Main Window";
constexpr char kGeometry[] = "Geometry";
constexpr char kBars[] = "Bars";
constexpr char kStatusBar[] = "Status Bar";
constexpr char kColumnWidths[] = "Column Widths";
constexpr int kMaxColumnWidth = 4000;
// The bars' state since the details pane came; a state of another version is not applied.
constexpr int kBarsVersion = 1;

void SaveColumnWidths(QSettings& settings, const CServerGrid& grid) {
    QStringList widths;
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        widths << QString::number(grid.GetShownWidth(col));
    }
    settings.setValue(kColumnWidths, widths);
}

void RestoreColumnWidths(const QSettings& settings, CServerGrid& grid) {
    const QStringList widths = settings.value(kColumnWidths).toStringList();
    const bool bOneEach = widths.size() == grid.GetColumnCount();
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        bool bNumber = false;
        const int width = bOneEach ? widths[col].trimmed().toInt(&bNumber) : -1;
        const bool bUsable = bNumber && width >= 0 && width <= kMaxColumnWidth;
        grid.SetColumnWidth(col, bUsable ? width : grid.DefaultColumnWidth(col));
    }
}

// ---- Hidden columns: their indexes. ----
constexpr char kHiddenColumns[] = "Hidden Columns";

void SaveHiddenColumns(QSettings& settings, const CServerGrid& grid) {
    QStringList hidden;
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        if (!grid.IsColumnShown(col)) {
            hidden << QString::number(col);
        }
    }
    settings.setValue(kHiddenColumns, hidden);
}

// Anything but the index of a column that may be hidden is passed over (ShowColumn refuses it).
void RestoreHiddenColumns(const QSettings& settings, CServerGrid& grid) {
    for (const QString& entry : settings.value(kHiddenColumns).toStringList()) {
        bool bNumber = false;
        const int col = entry.trimmed().toInt(&bNumber);
        if (bNumber) {
            grid.ShowColumn(col, false);
        }
    }
}
}  // namespace

void SaveWindowSettings(CMainFrame& frame) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kGeometry, frame.saveGeometry());
    settings.setValue(kBars, frame.saveState(kBarsVersion));
    settings.setValue(kStatusBar, !frame.StatusBar().isHidden());
    SaveColumnWidths(settings, frame.View().Grid());
    SaveHiddenColumns(settings, frame.View().Grid());
}

bool RestoreWindowSettings(CMainFrame& frame) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    RestoreColumnWidths(settings, frame.View().Grid());
    RestoreHiddenColumns(settings, frame.View().Grid());
    if (!frame.restoreGeometry(settings.value(kGeometry).toByteArray())) {
        return false;
    }
    if (!frame.restoreState(settings.value(kBars).toByteArray(), kBarsVersion)) {
        frame.ResetDetailsPane();
    }
    frame.Action(ID_VIEW_SERVER_DETAILS)->setChecked(!frame.DetailsPane().isHidden());
    // A bar hidden before the window is first shown gets no hide event to update its check mark.
    frame.Action(ID_VIEW_TOOLBAR)->setChecked(!frame.ToolBar().isHidden());
    if (!settings.value(kStatusBar, true).toBool()) {
        frame.SendCommand(ID_VIEW_STATUS_BAR);
    }
    return true;
}
