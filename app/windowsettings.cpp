#include "app/windowsettings.h"

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/profilesettings.h"

namespace {
constexpr char kSection[] = "Main Window";
constexpr char kGeometry[] = "Geometry";
constexpr char kBars[] = "Bars";
constexpr char kStatusBar[] = "Status Bar";
}  // namespace

void SaveWindowSettings(CMainFrame& frame) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kGeometry, frame.saveGeometry());
    settings.setValue(kBars, frame.saveState());
    settings.setValue(kStatusBar, !frame.StatusBar().isHidden());
}

bool RestoreWindowSettings(CMainFrame& frame) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    if (!frame.restoreGeometry(settings.value(kGeometry).toByteArray())) {
        return false;
    }
    frame.restoreState(settings.value(kBars).toByteArray());
    // A bar hidden before the window is first shown gets no hide event to update its check mark.
    frame.Action(ID_VIEW_TOOLBAR)->setChecked(!frame.ToolBar().isHidden());
    if (!settings.value(kStatusBar, true).toBool()) {
        frame.SendCommand(ID_VIEW_STATUS_BAR);
    }
    return true;
}
